#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"
#include "model/StoreSchema.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>
#include <optional>

// One connection to the store file. Writes since the last save() sit in an open transaction:
// this context sees them, others do not. save() commits. A write that fails rolls the context
// back to its last save (every write since then is dropped) and returns false; the writes after
// it are refused too and the next save() fails with the first write's reason, so a group of
// changes is stored whole or reported as not stored. rollback() ends such a group quietly.
class Context {
public:
    explicit Context(QString filePath);
    ~Context();
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;

    // Opens the file and brings its schema up to date. On failure the file is left untouched.
    bool open(QString *error = nullptr);
    bool isOpen() const { return m_open; }
    const QString &filePath() const { return m_filePath; }

    QList<Record> fetch(const FetchRequest &request, QString *error = nullptr);
    template <class T> QList<T> fetchAs(const FetchRequest &request, QString *error = nullptr) {
        QList<T> out;
        const QList<Record> records = fetch(request, error);
        out.reserve(records.size());
        for (const Record &r : records)
            out.append(T(r));
        return out;
    }
    // Reads the matching records one at a time, in sort order, and hands each to `visit`;
    // nothing is kept once a record has been visited, so a walk over a large log holds one
    // record at a time. Pair it with propertiesToFetch to read only the columns needed.
    // False when the query fails, at its start or part way (a damaged page): the records
    // visited until then are not the whole answer.
    bool walk(const FetchRequest &request, const std::function<void(const Record &)> &visit,
              QString *error = nullptr);

    // The matching records in identity order, `size` at a time, each group read by its own
    // query: `handle` may write and save in between. Sort descriptors are not used.
    bool fetchInBatches(const FetchRequest &request, int size,
                        const std::function<void(const QList<Record> &)> &handle,
                        QString *error = nullptr);

    // The number of matching records and, per key, the sum of the leading numbers of its texts
    // (0 for a text without one or an absent value), added up in double precision by the
    // store itself. No value when the query fails.
    struct LeadingSums {
        qint64 count = 0;
        QList<double> sums;
    };
    std::optional<LeadingSums> sumLeadingNumbers(const FetchRequest &request,
                                                 const QStringList &keys, QString *error = nullptr);
    // One attribute's values for the records the request selects, in its order: a sum over one
    // column need not build whole records. Empty on failure.
    QVariantList fetchValues(const FetchRequest &request, const QString &key,
                             QString *error = nullptr);
    // Hands each matching row's values (in the order of propertiesToFetch) to `row` without
    // keeping them: for reading a large set once. False when the query fails.
    bool forEach(const FetchRequest &request,
                 const std::function<void(const QVariantList &values)> &row,
                 QString *error = nullptr);
    // A consistent copy of the whole store, including what the journal still holds, written to
    // a new file at `path`. Needs a context without unsaved changes.
    bool backupTo(const QString &path, QString *error = nullptr);
    // -1 on failure.
    int count(const FetchRequest &request, QString *error = nullptr);
    // Reloads one record by identity; an invalid record when it is gone.
    Record refetch(const Record &record);

    // Every column of one row exactly as stored (each value in the storage class it has), the row
    // id first: what putBack() writes again to undo a change. Empty when there is no such row; no
    // value when the read fails.
    std::optional<QVariantList> storedRow(const QString &entityName, qint64 id,
                                          QString *error = nullptr);
    // Writes a row read by storedRow() back as it was, under its row id, in place of whatever
    // holds that id now.
    bool putBack(const QString &entityName, const QVariantList &row);
    // The largest row id of a record type (0 for none): a row stored later gets a larger one.
    std::optional<qint64> largestId(const QString &entityName, QString *error = nullptr);

    // Writes a new record with the values set on it and gives it its row id.
    bool insert(Record &record);
    // Writes the values changed on the record since it was fetched or last written.
    bool change(Record &record);
    bool remove(const Record &record);

    // Also true while a refused write waits to be reported by save().
    bool hasChanges() const { return m_inTransaction || !m_refusal.isNull(); }
    bool save(QString *error = nullptr);
    void rollback();

    // How long a write waits for another connection's write to finish (5 s unless set).
    void setBusyTimeout(int milliseconds);
    QString lastError() const { return m_lastError; }

    static constexpr int SchemaVersion = StoreSchema::Version;

private:
    bool beginWriting();
    // After the last row of a read: false (and the error noted) when the read stopped early.
    bool finishedReading(QSqlQuery *query, QString *error);
    QSqlQuery *prepared(const QString &sql);
    // A SELECT of a request (whole, or one batch), run; null (and the error noted) when it
    // cannot run.
    QSqlQuery *selected(const FetchRequest::Sql &sql, QString *error);
    bool exec(QSqlQuery *query, const QVariantList &bindings);
    static Record rowRecord(const Entity *entity, const QList<Attribute> &attributes,
                            const QSqlQuery &query);
    void fail(const QString &message);

    QString m_filePath;
    QString m_connection;
    bool m_open = false;
    bool m_inTransaction = false;
    QString m_lastError;
    // The reason of a write refused since the last save() or rollback(); null when none.
    QString m_refusal;
    QHash<QString, QSqlQuery *> m_statements;
};
