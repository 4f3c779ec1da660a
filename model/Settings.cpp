#include "model/Settings.h"

#include "model/AppDelegate.h"

#include <QDir>

namespace {
const char *const DatePrefix = "@Date(";
}

Settings &Settings::standard() {
    static Settings instance;
    return instance;
}

Settings::Settings() {
    reload();
}

void Settings::reload() {
    if (m_settings)
        m_settings->sync();
    QDir().mkpath(AppDelegate::dataDirectory());
    m_settings = std::make_unique<QSettings>(
        QDir(AppDelegate::dataDirectory()).filePath(QStringLiteral("settings.ini")),
        QSettings::IniFormat);
}

QString Settings::filePath() const {
    return m_settings->fileName();
}

bool Settings::contains(const QString &key) const {
    return m_settings->contains(key);
}

QString Settings::string(const QString &key) const {
    const QVariant v = m_settings->value(key);
    if (v.typeId() != QMetaType::QString)
        return QString();
    const QString text = v.toString();
    if (text.startsWith(QLatin1String(DatePrefix)))
        return QString();
    return text;
}

bool Settings::boolForKey(const QString &key) const {
    const QVariant v = m_settings->value(key);
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() != QMetaType::QString)
        return false;
    const QString text = v.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("yes") ||
           text == QLatin1String("1");
}

QDateTime Settings::dateForKey(const QString &key) const {
    const QVariant v = m_settings->value(key);
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime();
    if (v.typeId() != QMetaType::QString)
        return QDateTime();
    QString text = v.toString();
    if (!text.startsWith(QLatin1String(DatePrefix)) || !text.endsWith(QLatin1Char(')')))
        return QDateTime();
    text = text.mid(int(qstrlen(DatePrefix)), text.size() - int(qstrlen(DatePrefix)) - 1);
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

// Every write reaches the file at once, so nothing is lost when the app is killed.
bool Settings::written() {
    m_settings->sync();
    const QSettings::Status status = m_settings->status();
    // QSettings keeps the first error it met. A file it could not parse (FormatError) has just
    // been rewritten whole, so a fresh reader tells the next write's outcome apart again.
    if (status == QSettings::FormatError)
        reload();
    return status != QSettings::AccessError;
}

bool Settings::setString(const QString &key, const QString &value) {
    m_settings->setValue(key, value);
    return written();
}

bool Settings::setBool(const QString &key, bool value) {
    m_settings->setValue(key, value);
    return written();
}

bool Settings::setDate(const QString &key, const QDateTime &value) {
    // Dates are tagged so they read back as dates, and stay readable in the file.
    const QString text =
        QLatin1String(DatePrefix) + value.toUTC().toString(Qt::ISODateWithMs) + QLatin1Char(')');
    m_settings->setValue(key, text);
    return written();
}

void Settings::remove(const QString &key) {
    m_settings->remove(key);
    m_settings->sync();
}

void Settings::synchronize() {
    m_settings->sync();
}
