#pragma once

#include "model/Entity.h"
#include "model/SortDescriptor.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A query on one record type: predicate format texts with their arguments (joined by AND) and
// sort keys. Formats are "attribute OP placeholder", e.g. "date == %@", "imonth <=%@",
// "milesFromSLC > %lf"; they become one parameterised SQL statement, never spliced text.
class FetchRequest {
public:
    explicit FetchRequest(QString entityName);

    const QString &entityName() const { return m_entityName; }

    // Adds one predicate, AND-joined with the others. "key == nil" / "key != nil" test for an
    // absent value and take no argument.
    FetchRequest &where(const QString &format, const QVariant &argument = QVariant());
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

    struct Sql {
        QString text;
        QVariantList bindings;
        QString error; // non-empty when the request does not fit the model
    };
    Sql selectSql() const;
    Sql countSql() const;
    // The records after row id `afterId` in identity order, at most `size` of them.
    Sql batchSql(qint64 afterId, int size) const;
    // The count and, per key, the sum of the leading numbers of its texts; with sort
    // descriptors the sums come added up in their order, as one blob of doubles.
    Sql leadingSumsSql(const QStringList &keys) const;
    // The attributes a select loads, in column order after the row id.
    QList<Attribute> fetchedAttributes() const;

private:
    struct Predicate {
        QString format;
        QVariant argument;
    };
    Sql whereClause(const Entity &entity) const;
    Sql orderClause() const;
    Sql select(const QString &columns, const QStringList &extraTerms, const QVariantList &extra,
               const QString &order, int limit) const;

    QString m_entityName;
    QList<Predicate> m_predicates;
    QList<SortDescriptor> m_sort;
    bool m_includeValues = true;
    QStringList m_properties;
    int m_limit = -1;
};
