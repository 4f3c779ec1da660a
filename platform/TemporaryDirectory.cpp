#include "platform/TemporaryDirectory.h"

#include <QDir>
#include <QTemporaryDir>

QString TemporaryDirectory::path() {
    static QTemporaryDir directory(
        QDir(QDir::tempPath()).filePath(QStringLiteral("pacelog-XXXXXX")));
    return directory.isValid() ? directory.path() : QDir::tempPath();
}

QString TemporaryDirectory::filePath(const QString &name) {
    return QDir(path()).filePath(name);
}
