#pragma once

#include "model/SortDescriptor.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class Entity;

// A query on one record type: predicate format texts with their arguments (joined by AND) and
// sort keys. Formats are "attribute OP placeholder", e.g. "date == %@", "imonth <=%@",
// "milesFromSLC > %lf"; they become one parameterised SQL statement, never spliced text.
class FetchRequest {
public:
    explicit FetchRequest(QString entityName);

    const QString &entityName() const { return m_entityName; }

    // Adds one predicate, AND-joined with the others.
    FetchRequest &where(const QString &format, const QVariant &argument);
    FetchRequest &sortBy(const QString &key, bool ascending = true);
    void setSortDescriptors(const QList<SortDescriptor> &sort) { m_sort = sort; }
    const QList<SortDescriptor> &sortDescriptors() const { return m_sort; }

    // False: only the row ids are loaded (the fetches that only delete or count).
    void setIncludesPropertyValues(bool include) { m_includeValues = include; }
    bool includesPropertyValues() const { return m_includeValues; }
    // Only these attributes are read, in this order (all of them when empty): for reading a
    // large set once without building whole records.
    void setPropertiesToFetch(const QStringList &keys) { m_properties = keys; }
    const QStringList &propertiesToFetch() const { return m_properties; }
    void setFetchLimit(int limit) { m_limit = limit; }
    void setFetchOffset(int offset) { m_offset = offset; }

    struct Sql {
        QString text;
        QVariantList bindings;
        QString error; // non-empty when the request does not fit the model
    };
    Sql selectSql() const;
    Sql countSql() const;

private:
    struct Predicate {
        QString format;
        QVariant argument;
    };
    Sql whereClause(const Entity &entity) const;

    QString m_entityName;
    QList<Predicate> m_predicates;
    QList<SortDescriptor> m_sort;
    QStringList m_properties;
    bool m_includeValues = true;
    int m_limit = -1;
    int m_offset = 0;
};
