#pragma once

#include <QObject>
#include <QVariantList>
#include <QVariantMap>

// What the QML tests need beyond the screens themselves: a look at the store and settings
// files, and a way to put fixtures there.
class TestStore : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Every record of an entity as a map of attribute name to value, in row order.
    Q_INVOKABLE QVariantList records(const QString &entity) const;
    Q_INVOKABLE int count(const QString &entity) const;
    // Deletes every record of an entity, so a test starts from the fixtures it adds itself.
    Q_INVOKABLE void removeAll(const QString &entity) const;
    // Inserts one record with the given values and saves; returns its row id.
    Q_INVOKABLE qint64 insert(const QString &entity, const QVariantMap &values) const;
    // A session entered as the entry screen would store it, on the given local day.
    Q_INVOKABLE qint64 addSession(int year, int month, int day, const QString &calories,
                                  const QString &distance, const QString &fatCalories = {},
                                  const QString &laps = {}) const;
    // The settings file as a person would read it: key -> text, as stored on disk.
    Q_INVOKABLE QVariantMap settingsFile() const;
    Q_INVOKABLE void setSetting(const QString &key, const QVariant &value) const;
    Q_INVOKABLE QString dataDirectory() const;
    Q_INVOKABLE void setEnvironment(const QString &name, const QString &value) const;
    Q_INVOKABLE QString readFile(const QString &path) const;
    // Fixes the app's clock at a local moment ("2026-03-15T10:00:00"); empty gives it back.
    Q_INVOKABLE void setClock(const QString &localMoment) const;
    // Runs one SQL statement on the store file through a connection of its own (a trigger that
    // makes the store refuse a write); the error text, empty when it ran.
    Q_INVOKABLE QString exec(const QString &sql) const;
    // The device locale the screens format with ("en_US", "de_DE").
    Q_INVOKABLE QString locale() const;
    // Blocked, the file at `path` is replaced by an empty folder of its name, so writing and
    // reading it fail; unblocked, that folder goes again.
    Q_INVOKABLE bool setPathBlocked(const QString &path, bool blocked) const;
    // Writes `text` to `name` under the data directory (folders made as needed); its path.
    Q_INVOKABLE QString writeFile(const QString &name, const QString &text) const;
};
