#pragma once

#include <QDateTime>
#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

// The key-value settings store: settings.ini in the data directory. Text, booleans and dates
// keep their kinds; a value of the wrong kind reads as absent.
class Settings {
public:
    static Settings &standard();

    // Present when the key has any value.
    bool contains(const QString &key) const;
    // The text under the key; a null string when absent or not text.
    QString string(const QString &key) const;
    // True for a stored true and for the texts "true"/"yes"/"1"; false otherwise and when absent.
    bool boolForKey(const QString &key) const;
    // The moment under the key; invalid when absent or not a date.
    QDateTime dateForKey(const QString &key) const;

    // False when the value did not reach the file (a full device, a file that cannot be
    // written); the value still holds for this run.
    bool setString(const QString &key, const QString &value);
    bool setBool(const QString &key, bool value);
    bool setDate(const QString &key, const QDateTime &value);
    void remove(const QString &key);
    void synchronize();

    // Points at the current data directory's file again.
    void reload();
    QString filePath() const;

private:
    Settings();
    bool written();
    std::unique_ptr<QSettings> m_settings;
};
