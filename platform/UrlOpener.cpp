#include "platform/UrlOpener.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFile>

bool UrlOpener::open(const QUrl &url) {
    if (!url.isValid())
        return false;
    const QString log = qEnvironmentVariable("PACELOG_URL_LOG");
    if (log.isEmpty())
        return QDesktopServices::openUrl(url);
    QFile file(log);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        qWarning().noquote() << file.errorString();
        return false;
    }
    file.write(url.toEncoded() + '\n');
    return true;
}
