#pragma once

#include <QSqlDatabase>
#include <QString>

// The store file's tables, indexes and connection settings. `PRAGMA user_version` holds the
// schema version; a store only ever moves forward through the steps.
class StoreSchema {
public:
    static constexpr int Version = 4;

    // Sets up the connection and brings the file to the current version. A file that is not a
    // store, or one written by a newer version, fails before anything is written to it.
    static bool bringUpToDate(QSqlDatabase &db, QString *error);
};
