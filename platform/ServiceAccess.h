#pragma once

#include <QByteArray>
#include <QString>

// What every request to an outside map service shares: where replies are kept on disk and
// the User-Agent that names the app, as the public services ask.
class ServiceAccess {
public:
    // A folder under PACELOG_CACHE_DIR, else under the platform's cache location; created.
    static QString cachePath(const QString &folder);
    // "Pacelog/<version>".
    static QByteArray userAgent();
    // The environment's value when the variable is set (even empty), else the fallback.
    static QString setting(const char *variable, const QString &fallback);
};
