#include "model/StoreSchema.h"

#include "model/Entity.h"

#include <QDeadlineTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

namespace {

QString quoted(const QString &name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Schema steps, one per version; a store only ever moves forward through them.
QStringList schemaVersion1() {
    QStringList statements;
    for (const Entity *e : Entity::all()) {
        QStringList columns;
        for (const Attribute &a : e->attributes())
            columns << quoted(a.name) + QLatin1Char(' ') + AttributeKinds::columnType(a.kind);
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

// The summaries walk every session by year and month reading its distance; with the distance
// in the index that walk never visits the table.
QStringList schemaVersion2() {
    return {QStringLiteral("DROP INDEX UserData_yearMonth"),
            QStringLiteral("CREATE INDEX UserData_yearMonth ON UserData (year, imonth, distance)")};
}

// The journey and the map walk every session in treadDate order reading its distance and date,
// and the forecast sums the last days' distances: in this index neither sorts nor visits the
// table.
QStringList schemaVersion3() {
    return {
        QStringLiteral("CREATE INDEX UserData_treadDate ON UserData (treadDate, distance, date)")};
}

// Only dated sessions are in the walk's index: an import stores its sessions undated (the next
// start dates them), and an entry for each would cost every imported line one more page write.
// The day in the year and month index finds the totals' first entry without reading the table.
QStringList schemaVersion4() {
    return {
        QStringLiteral("DROP INDEX UserData_yearMonth"),
        QStringLiteral(
            "CREATE INDEX UserData_yearMonth ON UserData (year, imonth, iday, distance)"),
        QStringLiteral("DROP INDEX UserData_treadDate"),
        QStringLiteral("CREATE INDEX UserData_treadDate ON UserData (treadDate, distance, date) "
                       "WHERE treadDate IS NOT NULL")};
}

} // namespace

bool StoreSchema::bringUpToDate(QSqlDatabase &db, QString *error) {
    bool busy = false;
    auto run = [&](const QString &sql, QSqlQuery *out = nullptr) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            *error = q.lastError().text();
            busy = q.lastError().nativeErrorCode() == QLatin1String("5"); // SQLITE_BUSY
            return false;
        }
        if (out)
            *out = std::move(q);
        return true;
    };
    // Switching to WAL needs the file to itself, and SQLite answers "database is locked" at
    // once, without waiting, while another start reads the version or switches too; so the
    // switch is tried again for as long as a busy wait would last.
    auto switchToWal = [&] {
        QDeadlineTimer deadline(5000);
        while (!run(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            if (!busy || deadline.hasExpired())
                return false;
            QThread::msleep(5);
        }
        return true;
    };
    QSqlQuery version(db);
    if (!run(QStringLiteral("PRAGMA user_version"), &version) || !version.next()) {
        if (error->isEmpty())
            *error = QStringLiteral("cannot read the schema version");
        return false;
    }
    const int current = version.value(0).toInt();
    version.finish();
    if (current > Version) {
        *error =
            QStringLiteral("the store was written by a newer Pacelog (schema %1)").arg(current);
        return false;
    }
    // The wait comes first: switching to WAL needs the lock that another start may hold.
    if (!run(QStringLiteral("PRAGMA busy_timeout=5000")) || !switchToWal() ||
        !run(QStringLiteral("PRAGMA synchronous=NORMAL")) ||
        // Room for a whole large log (about 20 MB per 100,000 sessions): the start-up repair
        // touches every session once and would otherwise reread most pages from the file.
        !run(QStringLiteral("PRAGMA cache_size=-32000")))
        return false;
    if (current == Version)
        return true;

    const QList<QStringList> steps{schemaVersion1(), schemaVersion2(), schemaVersion3(),
                                   schemaVersion4()};
    if (!run(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    // Under the write lock the version is read again: another Pacelog starting on the same
    // store at the same moment may have brought it up to date while this one waited.
    QSqlQuery locked(db);
    if (!run(QStringLiteral("PRAGMA user_version"), &locked) || !locked.next()) {
        run(QStringLiteral("ROLLBACK"));
        return false;
    }
    const int from = locked.value(0).toInt();
    locked.finish();
    if (from > Version) {
        run(QStringLiteral("ROLLBACK"));
        *error = QStringLiteral("the store was written by a newer Pacelog (schema %1)").arg(from);
        return false;
    }
    for (int v = from; v < Version; ++v) {
        for (const QString &sql : steps.at(v)) {
            if (!run(sql)) {
                run(QStringLiteral("ROLLBACK"));
                return false;
            }
        }
    }
    if (!run(QStringLiteral("PRAGMA user_version=%1").arg(Version)) ||
        !run(QStringLiteral("COMMIT"))) {
        run(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}
