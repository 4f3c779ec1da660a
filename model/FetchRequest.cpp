#include "model/FetchRequest.h"

#include "model/Entity.h"
#include "platform/NumberReading.h"

#include <QDateTime>
#include <QRegularExpression>

namespace {

// Binds an argument by the kind of the attribute it is compared with. A value that cannot be
// read in that kind binds as NULL, which equals nothing.
QVariant bindingFor(AttributeKind kind, const QVariant &argument) {
    if (argument.isNull() || !argument.isValid())
        return QVariant();
    const bool isText = argument.typeId() == QMetaType::QString;
    switch (kind) {
    case AttributeKind::Text:
        return argument.toString();
    case AttributeKind::Float32: {
        if (isText) {
            auto value = NumberReading::wholeFloat(argument.toString());
            return value ? QVariant(double(*value)) : QVariant();
        }
        bool ok = false;
        const double d = argument.toDouble(&ok);
        return ok ? QVariant(double(float(d))) : QVariant();
    }
    case AttributeKind::Int16:
    case AttributeKind::Number: {
        if (isText) {
            auto value = NumberReading::wholeFloat(argument.toString());
            if (!value)
                return QVariant();
            const double d = double(*value);
            return d == double(qint64(d)) ? QVariant(qint64(d)) : QVariant(d);
        }
        bool ok = false;
        const double d = argument.toDouble(&ok);
        if (!ok)
            return QVariant();
        return d == double(qint64(d)) ? QVariant(qint64(d)) : QVariant(d);
    }
    case AttributeKind::DateTime:
        if (argument.typeId() == QMetaType::QDateTime)
            return argument.toDateTime().toMSecsSinceEpoch() / 1000.0;
        return QVariant();
    }
    return QVariant();
}

QString sqlOperator(const QString &op) {
    if (op == QLatin1String("==") || op == QLatin1String("="))
        return QStringLiteral("=");
    if (op == QLatin1String("<>"))
        return QStringLiteral("!=");
    return op;
}

QString quoted(const QString &name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

FetchRequest::FetchRequest(QString entityName) : m_entityName(std::move(entityName)) {}

FetchRequest &FetchRequest::where(const QString &format, const QVariant &argument) {
    m_predicates.append({format, argument});
    return *this;
}

FetchRequest &FetchRequest::sortBy(const QString &key, bool ascending) {
    m_sort.append(SortDescriptor(key, ascending));
    return *this;
}

FetchRequest::Sql FetchRequest::whereClause(const Entity &entity) const {
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(==|!=|<>|<=|>=|=|<|>)\s*(%@|%lf|%f|%d|%ld|%i)\s*$)"));
    Sql out;
    QStringList terms;
    for (const Predicate &p : m_predicates) {
        const auto match = pattern.match(p.format);
        if (!match.hasMatch()) {
            out.error = QStringLiteral("Unable to parse the format string \"%1\"").arg(p.format);
            return out;
        }
        const Attribute *attribute = entity.attribute(match.captured(1));
        if (!attribute) {
            out.error = QStringLiteral("keypath %1 not found in entity %2")
                            .arg(match.captured(1), entity.name());
            return out;
        }
        terms << quoted(attribute->name) + QLatin1Char(' ') + sqlOperator(match.captured(2)) +
                     QStringLiteral(" ?");
        out.bindings << bindingFor(attribute->kind, p.argument);
    }
    if (!terms.isEmpty())
        out.text = QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
    return out;
}

FetchRequest::Sql FetchRequest::selectSql() const {
    Sql out;
    const Entity *entity = Entity::named(m_entityName);
    if (!entity) {
        out.error = QStringLiteral("no entity named %1").arg(m_entityName);
        return out;
    }
    QStringList columns{QStringLiteral("rowid")};
    if (m_includeValues) {
        for (const QString &key : m_properties) {
            if (!entity->attribute(key)) {
                out.error =
                    QStringLiteral("keypath %1 not found in entity %2").arg(key, m_entityName);
                return out;
            }
        }
        const QStringList keys = m_properties.isEmpty() ? entity->attributeNames() : m_properties;
        for (const QString &key : keys)
            columns << quoted(key);
    }
    Sql where = whereClause(*entity);
    if (!where.error.isEmpty())
        return where;
    QStringList order;
    for (const SortDescriptor &s : m_sort) {
        if (!entity->attribute(s.key)) {
            out.error =
                QStringLiteral("keypath %1 not found in entity %2").arg(s.key, m_entityName);
            return out;
        }
        order << quoted(s.key) + (s.ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
    }
    out.text = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) +
               QStringLiteral(" FROM ") + quoted(m_entityName) + where.text;
    if (!order.isEmpty())
        out.text += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));
    if (m_limit >= 0 || m_offset > 0)
        out.text += QStringLiteral(" LIMIT %1 OFFSET %2").arg(m_limit).arg(m_offset);
    out.bindings = where.bindings;
    return out;
}

FetchRequest::Sql FetchRequest::countSql() const {
    Sql out;
    const Entity *entity = Entity::named(m_entityName);
    if (!entity) {
        out.error = QStringLiteral("no entity named %1").arg(m_entityName);
        return out;
    }
    Sql where = whereClause(*entity);
    if (!where.error.isEmpty())
        return where;
    out.text = QStringLiteral("SELECT COUNT(*) FROM ") + quoted(m_entityName) + where.text;
    out.bindings = where.bindings;
    return out;
}
