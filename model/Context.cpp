#include "model/Context.h"

#include "model/Entity.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>

namespace {

QAtomicInt connectionCounter;

QString quoted(const QString &name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString columnType(AttributeKind kind) {
    switch (kind) {
    case AttributeKind::Text:
        return QStringLiteral("TEXT NULL");
    case AttributeKind::Float32:
        return QStringLiteral("REAL NOT NULL DEFAULT 0");
    case AttributeKind::Int16:
        return QStringLiteral("INTEGER NOT NULL DEFAULT 0");
    case AttributeKind::Number:
        return QStringLiteral("INTEGER NULL");
    case AttributeKind::DateTime:
        return QStringLiteral("REAL NULL");
    }
    return QString();
}

// The value a column stores for an attribute value held by a Record.
QVariant storedForm(AttributeKind kind, const QVariant &value) {
    if (value.isNull() || !value.isValid()) {
        if (kind == AttributeKind::Float32)
            return 0.0;
        if (kind == AttributeKind::Int16)
            return 0;
        return QVariant();
    }
    switch (kind) {
    case AttributeKind::Text:
        return value.toString();
    case AttributeKind::Float32:
        return double(value.toFloat());
    case AttributeKind::Int16:
    case AttributeKind::Number:
        return value.toLongLong();
    case AttributeKind::DateTime:
        return value.toDateTime().toMSecsSinceEpoch() / 1000.0;
    }
    return QVariant();
}

QVariant fromColumn(AttributeKind kind, const QVariant &column) {
    if (column.isNull()) {
        if (kind == AttributeKind::Float32)
            return QVariant(0.0f);
        if (kind == AttributeKind::Int16)
            return QVariant(0);
        return QVariant();
    }
    switch (kind) {
    case AttributeKind::Text:
        return column.toString();
    case AttributeKind::Float32:
        return QVariant(float(column.toDouble()));
    case AttributeKind::Int16:
        return QVariant(int(qint16(column.toLongLong())));
    case AttributeKind::Number:
        return QVariant(column.toLongLong());
    case AttributeKind::DateTime:
        return QVariant(QDateTime::fromMSecsSinceEpoch(qRound64(column.toDouble() * 1000.0)));
    }
    return QVariant();
}

// The attributes a request reads, in the order of its columns after the row id.
QList<const Attribute *> fetchedAttributes(const Entity &entity, const FetchRequest &request) {
    QList<const Attribute *> out;
    if (!request.includesPropertyValues())
        return out;
    if (request.propertiesToFetch().isEmpty()) {
        for (const Attribute &a : entity.attributes())
            out << &a;
    } else {
        for (const QString &key : request.propertiesToFetch())
            out << entity.attribute(key);
    }
    return out;
}

// Schema steps, one per version; a store only ever moves forward through them.
QStringList schemaVersion1() {
    QStringList statements;
    for (const Entity *e : Entity::all()) {
        QStringList columns;
        for (const Attribute &a : e->attributes())
            columns << quoted(a.name) + QLatin1Char(' ') + columnType(a.kind);
        statements << QStringLiteral("CREATE TABLE %1 (%2)")
                          .arg(quoted(e->name()), columns.join(QStringLiteral(", ")));
    }
    statements
        << QStringLiteral("CREATE INDEX UserData_identity ON UserData (date, calories, distance)")
        << QStringLiteral("CREATE INDEX UserData_day ON UserData (iyear, imonth, iday)")
        << QStringLiteral("CREATE INDEX UserData_yearMonth ON UserData (year, imonth)")
        << QStringLiteral("CREATE INDEX Locations_leg ON Locations (fromCity, latitude, longitude)")
        << QStringLiteral("CREATE INDEX Locations_name ON Locations (name, fromCity)");
    return statements;
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
    if (!migrate(error)) {
        qDeleteAll(m_statements);
        m_statements.clear();
        db.close();
        return false;
    }
    m_open = true;
    return true;
}

bool Context::migrate(QString *error) {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    auto run = [&](const QString &sql, QSqlQuery *out = nullptr) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            m_lastError = q.lastError().text();
            if (error)
                *error = m_lastError;
            return false;
        }
        if (out)
            *out = std::move(q);
        return true;
    };
    QSqlQuery version(db);
    if (!run(QStringLiteral("PRAGMA user_version"), &version) || !version.next()) {
        if (m_lastError.isEmpty())
            m_lastError = QStringLiteral("cannot read the schema version");
        if (error)
            *error = m_lastError;
        return false;
    }
    const int current = version.value(0).toInt();
    version.finish();
    if (current > SchemaVersion) {
        m_lastError =
            QStringLiteral("the store was written by a newer Pacelog (schema %1)").arg(current);
        if (error)
            *error = m_lastError;
        return false;
    }
    if (!run(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !run(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        // Room for a whole large log (about 20 MB per 100,000 sessions): the start-up repair
        // touches every session once and would otherwise reread most pages from the file.
        !run(QStringLiteral("PRAGMA cache_size=-32000")) ||
        !run(QStringLiteral("PRAGMA busy_timeout=5000")))
        return false;
    if (current == SchemaVersion)
        return true;

    const QList<QStringList> steps{schemaVersion1()};
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    for (int v = current; v < SchemaVersion; ++v) {
        for (const QString &sql : steps.at(v)) {
            if (!run(sql)) {
                run(QStringLiteral("ROLLBACK"));
                return false;
            }
        }
    }
    if (!run(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion)) ||
        !run(QStringLiteral("COMMIT"))) {
        run(QStringLiteral("ROLLBACK"));
        return false;
    }
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
    const FetchRequest::Sql sql = request.selectSql();
    const Entity *entity = Entity::named(request.entityName());
    QSqlQuery *query = sql.error.isEmpty() && m_open ? prepared(sql.text) : nullptr;
    if (!sql.error.isEmpty())
        m_lastError = sql.error;
    else if (!m_open)
        m_lastError = QStringLiteral("the store is not open");
    if (!query || !exec(query, sql.bindings)) {
        if (error)
            *error = m_lastError;
        return out;
    }
    const QList<const Attribute *> attributes = fetchedAttributes(*entity, request);
    while (query->next()) {
        QHash<QString, QVariant> values;
        values.reserve(attributes.size());
        for (int i = 0; i < attributes.size(); ++i) {
            const QVariant v = fromColumn(attributes.at(i)->kind, query->value(i + 1));
            if (v.isValid())
                values.insert(attributes.at(i)->name, v);
        }
        out.append(Record(entity, query->value(0).toLongLong(), std::move(values)));
    }
    query->finish();
    return out;
}

bool Context::forEach(const FetchRequest &request,
                      const std::function<void(const QVariantList &values)> &row, QString *error) {
    const FetchRequest::Sql sql = request.selectSql();
    const Entity *entity = Entity::named(request.entityName());
    QSqlQuery *query = sql.error.isEmpty() && m_open ? prepared(sql.text) : nullptr;
    if (!sql.error.isEmpty())
        m_lastError = sql.error;
    else if (!m_open)
        m_lastError = QStringLiteral("the store is not open");
    if (!query || !exec(query, sql.bindings)) {
        if (error)
            *error = m_lastError;
        return false;
    }
    const QList<const Attribute *> attributes = fetchedAttributes(*entity, request);
    QVariantList values(attributes.size());
    while (query->next()) {
        for (int i = 0; i < attributes.size(); ++i)
            values[i] = fromColumn(attributes.at(i)->kind, query->value(i + 1));
        row(values);
    }
    query->finish();
    return true;
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
        const QVariant v = fromColumn(a.kind, query->value(i));
        if (v.isValid())
            values.insert(a.name, v);
    }
    query->finish();
    return Record(entity, record.id(), std::move(values));
}

bool Context::beginWriting() {
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
    m_writeError.clear();
    return true;
}

void Context::fail(const QString &message) {
    m_lastError = message;
    if (m_writeError.isEmpty())
        m_writeError = message;
    qWarning().noquote() << "Store write failed:" << message;
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
        bindings << storedForm(a->kind, record.value(key));
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
        bindings << storedForm(entity->attribute(key)->kind, record.value(key));
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
    if (!m_inTransaction)
        return true;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!m_writeError.isEmpty()) {
        const QString message = m_writeError;
        rollback();
        m_lastError = message;
        if (error)
            *error = message;
        return false;
    }
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
    if (!m_inTransaction)
        return;
    for (QSqlQuery *q : std::as_const(m_statements))
        q->finish();
    QSqlDatabase::database(m_connection, false).rollback();
    m_inTransaction = false;
    m_writeError.clear();
}
