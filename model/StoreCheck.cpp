#include "model/StoreCheck.h"

#include "model/StoreSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

const QByteArray Magic("SQLite format 3\0", 16);

// Runs the read-only checks; an empty result means the store is sound.
QString readOnlyChecks(const QString &path, int *version) {
    const QString name = QStringLiteral("pacelog-store-check");
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        // Without a journal beside it the file is the whole store, and an immutable open
        // creates no -wal/-shm files; with one, a plain read-only open reads it too.
        const bool journal = QFileInfo::exists(path + QStringLiteral("-wal"));
        db.setDatabaseName(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
                           (journal ? QStringLiteral("?mode=ro") : QStringLiteral("?immutable=1")));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
        if (!db.open()) {
            problem = db.lastError().text();
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
                problem = q.lastError().text();
            } else {
                *version = q.value(0).toInt();
                // A newer store's structure is its own business; it is refused for its version.
                if (*version <= StoreSchema::Version &&
                    (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() ||
                     q.value(0).toString() != QLatin1String("ok")))
                    problem =
                        q.lastError().isValid() ? q.lastError().text() : q.value(0).toString();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return problem.simplified(); // one line: quick_check reports over several
}

} // namespace

StoreCheck::Result StoreCheck::refused(const QString &error, const QString &what,
                                       const QString &path) {
    return {false, error,
            QStringLiteral("Pacelog stopped: %1\n"
                           "The file has been left exactly as it was. To go on, move \"%2\" out "
                           "of its folder (keep it for inspection), then either copy a backup "
                           "(Pacelog-backup-YYYYMMDD-HHMMSS.sqlite, in the same folder) into its "
                           "place as Pacelog.sqlite, or start Pacelog without it for an empty "
                           "log. README, \"When Pacelog stops with Unresolved error\", has the "
                           "steps.")
                .arg(what, path)};
}

StoreCheck::Result StoreCheck::inspect(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists() || (info.isFile() && info.size() == 0))
        return {};
    const QString damaged =
        QStringLiteral("the store \"%1\" is damaged: it is cut short or its contents are "
                       "corrupted.")
            .arg(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return refused(info.isFile() ? file.errorString() : QStringLiteral("not a file"),
                       QStringLiteral("the store \"%1\" cannot be read.").arg(path), path);
    const QByteArray header = file.read(100);
    if (!header.startsWith(Magic))
        return refused(QStringLiteral("file is not a database"),
                       QStringLiteral("\"%1\" is not a Pacelog store (it is not an SQLite "
                                      "database).")
                           .arg(path),
                       path);
    // SQLite writes whole pages, so a file that does not end on a page was cut short.
    const int sizeField = header.size() < 18 ? 0 : (uchar(header[16]) << 8) | uchar(header[17]);
    const qint64 pageSize = sizeField == 1 ? 65536 : sizeField;
    if (header.size() < 100 || pageSize < 512 || info.size() % pageSize != 0)
        return refused(QStringLiteral("database disk image is malformed"), damaged, path);

    int version = 0;
    const QString problem = readOnlyChecks(path, &version);
    if (version > StoreSchema::Version)
        return refused(
            QStringLiteral("the store was written by a newer Pacelog (schema %1)").arg(version),
            QStringLiteral("the store \"%1\" was written by a newer version of "
                           "Pacelog (store version %2; this version reads up to %3). "
                           "Use that newer Pacelog to open it.")
                .arg(path)
                .arg(version)
                .arg(StoreSchema::Version),
            path);
    if (!problem.isEmpty())
        return refused(problem, damaged, path);
    return {};
}
