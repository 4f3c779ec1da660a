#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <functional>

// One connection to the store file. Writes since the last save() sit in an open transaction:
// this context sees them, others do not. save() commits; a write that failed in between makes
// the save fail and roll everything back.
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

    // Writes a new record with the values set on it and gives it its row id.
    bool insert(Record &record);
    // Writes the values changed on the record since it was fetched or last written.
    bool change(Record &record);
    bool remove(const Record &record);

    bool hasChanges() const { return m_inTransaction; }
    bool save(QString *error = nullptr);
    void rollback();

    void setBusyTimeout(int milliseconds);
    QString lastError() const { return m_lastError; }

    static constexpr int SchemaVersion = 1;

private:
    bool beginWriting();
    QSqlQuery *prepared(const QString &sql);
    bool exec(QSqlQuery *query, const QVariantList &bindings);
    bool migrate(QString *error);
    void fail(const QString &message);

    QString m_filePath;
    QString m_connection;
    bool m_open = false;
    bool m_inTransaction = false;
    QString m_writeError;
    QString m_lastError;
    QHash<QString, QSqlQuery *> m_statements;
};
