#include "model/Record.h"

#include "model/Entity.h"

#include <QDebug>

namespace {

QVariant coerce(AttributeKind kind, const QVariant &value) {
    switch (kind) {
    case AttributeKind::Text:
        return value.isNull() ? QVariant() : QVariant(value.toString());
    case AttributeKind::Float32:
        return QVariant(value.isNull() ? 0.0f : static_cast<float>(value.toDouble()));
    case AttributeKind::Int16:
        return QVariant(int(static_cast<qint16>(value.isNull() ? 0 : value.toInt())));
    case AttributeKind::Number:
        return value.isNull() ? QVariant() : QVariant(value.toLongLong());
    case AttributeKind::DateTime:
        if (value.isNull())
            return QVariant();
        if (value.typeId() == QMetaType::QDateTime)
            return value;
        return QVariant(QDateTime::fromMSecsSinceEpoch(qint64(value.toDouble() * 1000.0)));
    }
    return QVariant();
}

} // namespace

Record::Record(const Entity *entity, qint64 id, QHash<QString, QVariant> values)
    : m_entity(entity), m_id(id), m_values(std::move(values)) {}

QString Record::entityName() const {
    return m_entity ? m_entity->name() : QString();
}

QVariant Record::value(const QString &key) const {
    if (m_entity) {
        if (const Attribute *a = m_entity->attribute(key)) {
            auto it = m_values.constFind(key);
            if (it != m_values.constEnd())
                return *it;
            // Scalars that nobody set read as 0, as the store's defaults say.
            if (a->kind == AttributeKind::Float32)
                return QVariant(0.0f);
            if (a->kind == AttributeKind::Int16)
                return QVariant(0);
        }
    }
    return QVariant();
}

void Record::setValue(const QString &key, const QVariant &value) {
    const Attribute *a = m_entity ? m_entity->attribute(key) : nullptr;
    if (!a) {
        qWarning() << "Record: no attribute" << key << "on" << entityName();
        return;
    }
    m_values.insert(key, coerce(a->kind, value));
    if (!m_changed.contains(key))
        m_changed << key;
}

void Record::markStored(qint64 id) {
    m_id = id;
    m_changed.clear();
}

QString Record::text(const QString &key) const {
    return value(key).toString();
}

float Record::float32(const QString &key) const {
    return value(key).toFloat();
}

qint16 Record::int16(const QString &key) const {
    return qint16(value(key).toInt());
}

std::optional<qint64> Record::number(const QString &key) const {
    const QVariant v = value(key);
    if (v.isNull())
        return std::nullopt;
    return v.toLongLong();
}

QDateTime Record::dateTime(const QString &key) const {
    return value(key).toDateTime();
}

void Record::setNumber(const QString &key, std::optional<qint64> value) {
    setValue(key, value ? QVariant(*value) : QVariant());
}
