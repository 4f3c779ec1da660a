#include "platform/ServiceAccess.h"

#include <QDir>
#include <QStandardPaths>

#ifndef PACELOG_VERSION
#define PACELOG_VERSION "1.0"
#endif

QString ServiceAccess::cachePath(const QString &folder) {
    QString base = qEnvironmentVariable("PACELOG_CACHE_DIR");
    if (base.isEmpty())
        base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString path = QDir(base).filePath(folder);
    QDir().mkpath(path);
    return path;
}

QByteArray ServiceAccess::userAgent() {
    return QByteArrayLiteral("Pacelog/" PACELOG_VERSION);
}

QString ServiceAccess::setting(const char *variable, const QString &fallback) {
    return qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable) : fallback;
}
