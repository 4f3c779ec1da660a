#include "model/Record.h"

#include "model/Entity.h"

#include <QDebug>

Record::Record(const Entity *entity, qint64 id, QHash<QString, QVariant> values)
    : m_entity(entity), m_id(id), m_values(std::move(values)) {}

QString Record::entityName() const {
    return m_entity ? m_entity->name() : QString();
}

QVariant Record::value(const QString &key) const {
    if (m_entity) {
        if (const Attribute *a = m_entity->attribute(key)) {
            auto it = m_values.constFind(key);
            return it != m_values.constEnd() ? *it : AttributeKinds::unset(a->kind);
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
    m_values.insert(key, AttributeKinds::held(a->kind, value));
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
