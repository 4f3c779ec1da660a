#include "model/Context.h"

#include "model/Entity.h"
#include "model/LeadingNumberSum.h"
#include "model/StoreSchema.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>
#include <cstring>

namespace {

QAtomicInt connectionCounter;

QString quoted(const QString &name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

Context::Context(QString filePath)
    : m_filePath(std::move(filePath)),
      m_connection(
          QStringLiteral("pacelog-context-%1").arg(connectionCounter.fetchAndAddRelaxed(1))) {}

Context::~Context() {
    if (m_inTransaction)
        rollback();
    qDeleteAll(m_statements);
    m_statements.clear();
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool Context::open(QString *error) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_filePath);
    if (!db.open()) {
        m_lastError = db.lastError().text();
        if (error)
            *error = m_lastError;
        return false;
    }
    // Reading the version first means a file that is not a store fails before anything is
    // written to it.
    if (!StoreSchema::bringUpToDate(db, &m_lastError) ||
        !LeadingNumberSum::registerOn(db, &m_lastError)) {
        if (error)
            *error = m_lastError;
        qDeleteAll(m_statements);
        m_statements.clear();
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

void Context::setBusyTimeout(int milliseconds) {
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(milliseconds));
}

QSqlQuery *Context::prepared(const QString &sql) {
    auto it = m_statements.constFind(sql);
    if (it != m_statements.constEnd())
        return *it;
    auto *query = new QSqlQuery(QSqlDatabase::database(m_connection, false));
    query->setForwardOnly(true);
    if (!query->prepare(sql)) {
        m_lastError = query->lastError().text();
        delete query;
        return nullptr;
    }
    m_statements.insert(sql, query);
    return query;
}

bool Context::exec(QSqlQuery *query, const QVariantList &bindings) {
    for (int i = 0; i < bindings.size(); ++i)
        query->bindValue(i, bindings.at(i));
    if (!query->exec()) {
        m_lastError = query->lastError().text();
        return false;
    }
    return true;
}

QList<Record> Context::fetch(const FetchRequest &request, QString *error) {
    QList<Record> out;
    if (!walk(
            request, [&out](const Record &record) { out.append(record); }, error))
        out.clear();
    return out;
}

bool Context::walk(const FetchRequest &request, const std::function<void(const Record &)> &visit,
                   QString *error) {
    QSqlQuery *query = selected(request.selectSql(), error);
    if (!query)
        return false;
    const Entity *entity = Entity::named(request.entityName());
    const QList<Attribute> attributes = request.fetchedAttributes();
    while (query->next())
        visit(rowRecord(entity, attributes, *query));
    return finishedReading(query, error);
}

bool Context::finishedReading(QSqlQuery *query, QString *error) {
    // next() is false both at the end and when a step fails; only the error tells them apart.
    const QSqlError failure = query->lastError();
    query->finish();
    if (failure.type() == QSqlError::NoError)
        return true;
    m_lastError = failure.text();
    if (error)
        *error = m_lastError;
    return false;
}

bool Context::forEach(const FetchRequest &request,
                      const std::function<void(const QVariantList &values)> &row, QString *error) {
    QSqlQuery *query = selected(request.selectSql(), error);
    if (!query)
        return false;
    const QList<Attribute> attributes = request.fetchedAttributes();
    QVariantList values(attributes.size());
    while (query->next()) {
        for (int i = 0; i < attributes.size(); ++i)
            values[i] = AttributeKinds::loaded(attributes.at(i).kind, query->value(i + 1));
        row(values);
    }
    return finishedReading(query, error);
}

QSqlQuery *Context::selected(const FetchRequest::Sql &sql, QString *error) {
    QSqlQuery *query = sql.error.isEmpty() && m_open ? prepared(sql.text) : nullptr;
    if (!sql.error.isEmpty())
        m_lastError = sql.error;
    else if (!m_open)
        m_lastError = QStringLiteral("the store is not open");
    if (!query || !exec(query, sql.bindings)) {
        if (error)
            *error = m_lastError;
        return nullptr;
    }
    return query;
}

Record Context::rowRecord(const Entity *entity, const QList<Attribute> &attributes,
                          const QSqlQuery &query) {
    QHash<QString, QVariant> values;
    values.reserve(attributes.size());
    for (int i = 0; i < attributes.size(); ++i) {
        const QVariant v = AttributeKinds::loaded(attributes.at(i).kind, query.value(i + 1));
        if (v.isValid())
            values.insert(attributes.at(i).name, v);
    }
    return Record(entity, query.value(0).toLongLong(), std::move(values));
}

bool Context::fetchInBatches(const FetchRequest &request, int size,
                             const std::function<void(const QList<Record> &)> &handle,
                             QString *error) {
    const Entity *entity = Entity::named(request.entityName());
    const QList<Attribute> attributes = request.fetchedAttributes();
    qint64 after = 0;
    for (;;) {
        QSqlQuery *query = selected(request.batchSql(after, size), error);
        if (!query)
            return false;
        QList<Record> batch;
        while (query->next())
            batch.append(rowRecord(entity, attributes, *query));
        if (!finishedReading(query, error))
            return false;
        if (batch.isEmpty())
            return true;
        after = batch.last().id();
        handle(batch);
    }
}

std::optional<Context::LeadingSums>
Context::sumLeadingNumbers(const FetchRequest &request, const QStringList &keys, QString *error) {
    const FetchRequest::Sql sql = request.leadingSumsSql(keys);
    QSqlQuery *query = sql.error.isEmpty() && m_open ? prepared(sql.text) : nullptr;
    if (!sql.error.isEmpty())
        m_lastError = sql.error;
    else if (!m_open)
        m_lastError = QStringLiteral("the store is not open");
    if (!query || !exec(query, sql.bindings) || !query->next()) {
        if (error)
            *error = m_lastError;
        return std::nullopt;
    }
    LeadingSums out;
    out.count = query->value(0).toLongLong();
    if (request.sortDescriptors().isEmpty()) {
        for (int i = 0; i < keys.size(); ++i)
            out.sums << query->value(i + 1).toDouble();
    } else {
        // The ordered sums come as one blob of doubles; no rows give none.
        const QByteArray blob = query->value(1).toByteArray();
        for (int i = 0; i < keys.size(); ++i) {
            double sum = 0;
            if (blob.size() >= qsizetype((i + 1) * sizeof(double)))
                std::memcpy(&sum, blob.constData() + i * sizeof(double), sizeof(double));
            out.sums << sum;
        }
    }
    query->finish();
    return out;
}

QVariantList Context::fetchValues(const FetchRequest &request, const QString &key, QString *error) {
    QVariantList out;
    FetchRequest columnOnly = request;
    columnOnly.setPropertiesToFetch({key});
    if (!walk(
            columnOnly, [&](const Record &record) { out.append(record.value(key)); }, error))
        out.clear();
    return out;
}

bool Context::backupTo(const QString &path, QString *error) {
    QSqlQuery *query = m_open ? prepared(QStringLiteral("VACUUM INTO ?")) : nullptr;
    if (!m_open)
        m_lastError = QStringLiteral("the store is not open");
    if (m_inTransaction)
        m_lastError = QStringLiteral("unsaved changes are pending");
    if (!query || m_inTransaction || !exec(query, {path})) {
        if (error)
            *error = m_lastError;
        return false;
    }
    query->finish();
    return true;
}

int Context::count(const FetchRequest &request, QString *error) {
    const FetchRequest::Sql sql = request.countSql();
    if (!sql.error.isEmpty() || !m_open) {
        m_lastError = sql.error.isEmpty() ? QStringLiteral("the store is not open") : sql.error;
        if (error)
            *error = m_lastError;
        return -1;
    }
    QSqlQuery *query = prepared(sql.text);
    if (!query || !exec(query, sql.bindings) || !query->next()) {
        if (error)
            *error = m_lastError;
        return -1;
    }
    const int n = query->value(0).toInt();
    query->finish();
    return n;
}

Record Context::refetch(const Record &record) {
    if (!record.isValid() || !record.isInserted() || !m_open)
        return Record();
    const Entity *entity = record.entity();
    QStringList columns;
    for (const Attribute &a : entity->attributes())
        columns << quoted(a.name);
    QSqlQuery *query =
        prepared(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                     .arg(columns.join(QStringLiteral(", ")), quoted(entity->name())));
    if (!query || !exec(query, {record.id()}) || !query->next())
        return Record();
    QHash<QString, QVariant> values;
    for (int i = 0; i < entity->attributes().size(); ++i) {
        const Attribute &a = entity->attributes().at(i);
        const QVariant v = AttributeKinds::loaded(a.kind, query->value(i));
        if (v.isValid())
            values.insert(a.name, v);
    }
    query->finish();
    return Record(entity, record.id(), std::move(values));
}

bool Context::beginWriting() {
    if (!m_refusal.isNull()) {
        // The group this write belongs to is already lost; storing the rest of it would leave
        // half a change.
        m_lastError = m_refusal;
        return false;
    }
    if (!m_open) {
        fail(QStringLiteral("the store is not open"));
        return false;
    }
    if (m_inTransaction)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction()) {
        fail(db.lastError().text());
        return false;
    }
    m_inTransaction = true;
    return true;
}

void Context::fail(const QString &message) {
    m_lastError = message;
    qWarning().noquote() << "Store write failed:" << message;
    // Back to the last save at once: nothing of the group stays pending; save() reports it.
    rollback();
    m_refusal = message.isNull() ? QStringLiteral("") : message;
}

bool Context::insert(Record &record) {
    if (!record.isValid() || !beginWriting())
        return false;
    const Entity *entity = record.entity();
    QStringList columns;
    QVariantList bindings;
    for (const QString &key : record.changedKeys()) {
        const Attribute *a = entity->attribute(key);
        columns << quoted(key);
        bindings << AttributeKinds::stored(a->kind, record.value(key));
    }
    QString sql;
    if (columns.isEmpty()) {
        sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(entity->name()));
    } else {
        QStringList marks;
        for (int i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quoted(entity->name()), columns.join(QStringLiteral(", ")),
                       marks.join(QStringLiteral(", ")));
    }
    QSqlQuery *query = prepared(sql);
    if (!query || !exec(query, bindings)) {
        fail(m_lastError);
        return false;
    }
    record.markStored(query->lastInsertId().toLongLong());
    query->finish();
    return true;
}

bool Context::change(Record &record) {
    if (!record.isValid() || !record.isInserted())
        return false;
    if (!record.hasChanges())
        return true;
    if (!beginWriting())
        return false;
    const Entity *entity = record.entity();
    QStringList sets;
    QVariantList bindings;
    for (const QString &key : record.changedKeys()) {
        sets << quoted(key) + QStringLiteral(" = ?");
        bindings << AttributeKinds::stored(entity->attribute(key)->kind, record.value(key));
    }
    bindings << record.id();
    QSqlQuery *query = prepared(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                    .arg(quoted(entity->name()), sets.join(QStringLiteral(", "))));
    if (!query || !exec(query, bindings)) {
        fail(m_lastError);
        return false;
    }
    query->finish();
    record.markStored(record.id());
    return true;
}

namespace {

QString columnList(const Entity *entity) {
    QStringList columns{QStringLiteral("rowid")};
    for (const Attribute &a : entity->attributes())
        columns << quoted(a.name);
    return columns.join(QStringLiteral(", "));
}

} // namespace

std::optional<QVariantList> Context::storedRow(const QString &entityName, qint64 id,
                                               QString *error) {
    const Entity *entity = Entity::named(entityName);
    QSqlQuery *query = entity && m_open
                           ? prepared(QStringLiteral("SELECT %1 FROM %2 WHERE rowid = ?")
                                          .arg(columnList(entity), quoted(entityName)))
                           : nullptr;
    if (!entity)
        m_lastError = QStringLiteral("no record type ") + entityName;
    else if (!m_open)
        m_lastError = QStringLiteral("the store is not open");
    if (!query || !exec(query, {id})) {
        if (error)
            *error = m_lastError;
        return std::nullopt;
    }
    QVariantList row;
    if (query->next()) {
        const int columns = int(entity->attributes().size()) + 1;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row << query->value(i);
    }
    query->finish();
    return row;
}

std::optional<qint64> Context::largestId(const QString &entityName, QString *error) {
    const Entity *entity = Entity::named(entityName);
    QSqlQuery *query =
        entity && m_open
            ? prepared(QStringLiteral("SELECT max(rowid) FROM %1").arg(quoted(entityName)))
            : nullptr;
    if (!query || !exec(query, {}) || !query->next()) {
        if (error)
            *error = entity ? m_lastError : QStringLiteral("no record type ") + entityName;
        return std::nullopt;
    }
    const qint64 largest = query->value(0).toLongLong();
    query->finish();
    return largest;
}

bool Context::putBack(const QString &entityName, const QVariantList &row) {
    const Entity *entity = Entity::named(entityName);
    if (!entity || row.size() != entity->attributes().size() + 1) {
        fail(QStringLiteral("not a stored row of ") + entityName);
        return false;
    }
    if (!beginWriting())
        return false;
    QStringList marks;
    for (qsizetype i = 0; i < row.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery *query = prepared(
        QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (%3)")
            .arg(quoted(entityName), columnList(entity), marks.join(QStringLiteral(", "))));
    if (!query || !exec(query, row)) {
        fail(m_lastError);
        return false;
    }
    query->finish();
    return true;
}

bool Context::remove(const Record &record) {
    if (!record.isValid() || !record.isInserted() || !beginWriting())
        return false;
    QSqlQuery *query = prepared(
        QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(record.entity()->name())));
    if (!query || !exec(query, {record.id()})) {
        fail(m_lastError);
        return false;
    }
    query->finish();
    return true;
}

bool Context::save(QString *error) {
    if (!m_refusal.isNull()) {
        m_lastError = m_refusal;
        m_refusal = QString();
        if (error)
            *error = m_lastError;
        return false;
    }
    if (!m_inTransaction)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    for (QSqlQuery *q : std::as_const(m_statements))
        q->finish();
    if (!db.commit()) {
        m_lastError = db.lastError().text();
        rollback();
        if (error)
            *error = m_lastError;
        return false;
    }
    m_inTransaction = false;
    return true;
}

void Context::rollback() {
    m_refusal = QString();
    if (!m_inTransaction)
        return;
    for (QSqlQuery *q : std::as_const(m_statements))
        q->finish();
    // A trigger's RAISE(ROLLBACK) may have ended the transaction already; then this fails
    // harmlessly.
    QSqlDatabase::database(m_connection, false).rollback();
    m_inTransaction = false;
}
