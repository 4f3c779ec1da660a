#include "model/FetchRequest.h"

#include <QRegularExpression>

namespace {

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

QString unknownKey(const QString &key, const QString &entity) {
    return QStringLiteral("keypath %1 not found in entity %2").arg(key, entity);
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
        R"(^\s*([A-Za-z_][A-Za-z0-9_]*)\s*(==|!=|<>|<=|>=|=|<|>)\s*(%@|%lf|%f|%d|%ld|%i|nil)\s*$)"));
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
            out.error = unknownKey(match.captured(1), entity.name());
            return out;
        }
        const QString op = sqlOperator(match.captured(2));
        if (match.captured(3) == QLatin1String("nil")) {
            if (op != QLatin1String("=") && op != QLatin1String("!=")) {
                out.error =
                    QStringLiteral("Unable to parse the format string \"%1\"").arg(p.format);
                return out;
            }
            terms << quoted(attribute->name) + (op == QLatin1String("=")
                                                    ? QStringLiteral(" IS NULL")
                                                    : QStringLiteral(" IS NOT NULL"));
            continue;
        }
        terms << quoted(attribute->name) + QLatin1Char(' ') + op + QStringLiteral(" ?");
        out.bindings << AttributeKinds::argument(attribute->kind, p.argument);
    }
    out.text = terms.join(QStringLiteral(" AND "));
    return out;
}

QList<Attribute> FetchRequest::fetchedAttributes() const {
    QList<Attribute> out;
    const Entity *entity = Entity::named(m_entityName);
    if (!entity || !m_includeValues)
        return out;
    if (m_properties.isEmpty())
        return entity->attributes();
    // In the order asked for, so a row's values can be read by position.
    for (const QString &key : m_properties) {
        if (const Attribute *a = entity->attribute(key))
            out << *a;
    }
    return out;
}

FetchRequest::Sql FetchRequest::select(const QString &columns, const QStringList &extraTerms,
                                       const QVariantList &extra, const QString &order,
                                       int limit) const {
    Sql out;
    const Entity *entity = Entity::named(m_entityName);
    if (!entity) {
        out.error = QStringLiteral("no entity named %1").arg(m_entityName);
        return out;
    }
    for (const QString &key : m_properties) {
        if (!entity->attribute(key)) {
            out.error = unknownKey(key, m_entityName);
            return out;
        }
    }
    Sql where = whereClause(*entity);
    if (!where.error.isEmpty())
        return where;
    QStringList terms = extraTerms;
    if (!where.text.isEmpty())
        terms.prepend(where.text);
    out.text =
        QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + quoted(m_entityName);
    if (!terms.isEmpty())
        out.text += QStringLiteral(" WHERE ") + terms.join(QStringLiteral(" AND "));
    if (!order.isEmpty())
        out.text += QStringLiteral(" ORDER BY ") + order;
    if (limit >= 0)
        out.text += QStringLiteral(" LIMIT %1").arg(limit);
    out.bindings = where.bindings + extra;
    return out;
}

FetchRequest::Sql FetchRequest::orderClause() const {
    QStringList order;
    for (const SortDescriptor &s : m_sort) {
        const Entity *entity = Entity::named(m_entityName);
        if (entity && !entity->attribute(s.key))
            return Sql{QString(), {}, unknownKey(s.key, m_entityName)};
        order << quoted(s.key) + (s.ascending ? QStringLiteral(" ASC") : QStringLiteral(" DESC"));
    }
    return Sql{order.join(QStringLiteral(", ")), {}, QString()};
}

FetchRequest::Sql FetchRequest::selectSql() const {
    if (const Entity *entity = Entity::named(m_entityName); entity && m_includeValues) {
        for (const QString &key : m_properties) {
            if (!entity->attribute(key))
                return Sql{QString(), {}, unknownKey(key, m_entityName)};
        }
    }
    QStringList columns{QStringLiteral("rowid")};
    for (const Attribute &a : fetchedAttributes())
        columns << quoted(a.name);
    const Sql order = orderClause();
    if (!order.error.isEmpty())
        return order;
    return select(columns.join(QStringLiteral(", ")), {}, {}, order.text, m_limit);
}

FetchRequest::Sql FetchRequest::countSql() const {
    return select(QStringLiteral("COUNT(*)"), {}, {}, QString(), -1);
}

FetchRequest::Sql FetchRequest::batchSql(qint64 afterId, int size) const {
    QStringList columns{QStringLiteral("rowid")};
    for (const Attribute &a : fetchedAttributes())
        columns << quoted(a.name);
    return select(columns.join(QStringLiteral(", ")), {QStringLiteral("rowid > ?")}, {afterId},
                  QStringLiteral("rowid"), size);
}

FetchRequest::Sql FetchRequest::leadingSumsSql(const QStringList &keys) const {
    const Entity *entity = Entity::named(m_entityName);
    QStringList columns{QStringLiteral("COUNT(*)")};
    QStringList inner;
    for (const QString &key : keys) {
        if (entity && !entity->attribute(key))
            return Sql{QString(), {}, unknownKey(key, m_entityName)};
        columns << QStringLiteral("leadingsum(%1)").arg(quoted(key));
        inner << quoted(key);
    }
    if (m_sort.isEmpty())
        return select(columns.join(QStringLiteral(", ")), {}, {}, QString(), -1);
    // Double addition is not associative: with sort keys the sums are added up in their order.
    QString directions;
    QStringList arguments{QStringLiteral("?")};
    for (const SortDescriptor &s : m_sort) {
        if (entity && !entity->attribute(s.key))
            return Sql{QString(), {}, unknownKey(s.key, m_entityName)};
        directions += s.ascending ? QLatin1Char('a') : QLatin1Char('d');
        arguments << quoted(s.key);
    }
    arguments += inner;
    Sql out = select(QStringLiteral("COUNT(*), orderedleadingsums(%1)")
                         .arg(arguments.join(QStringLiteral(", "))),
                     {}, {}, QString(), -1);
    out.bindings.prepend(directions);
    return out;
}
