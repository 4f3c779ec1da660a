#pragma once

#include <QDateTime>
#include <QHash>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>

class Entity;

// One stored record (or one about to be inserted): a row of its entity's table, identified by
// the row id. Values are kept by attribute name in the attribute's kind; writes are collected
// until a Context inserts or changes the record.
class Record {
public:
    Record() = default;
    explicit Record(const Entity *entity, qint64 id = 0, QHash<QString, QVariant> values = {});

    bool isValid() const { return m_entity != nullptr; }
    const Entity *entity() const { return m_entity; }
    QString entityName() const;
    qint64 id() const { return m_id; }
    bool isInserted() const { return m_id > 0; }

    // The attribute's value in its kind; an invalid QVariant when absent.
    QVariant value(const QString &key) const;
    // Coerces to the attribute's kind (a float32 is rounded through float) and marks it changed.
    void setValue(const QString &key, const QVariant &value);

    const QStringList &changedKeys() const { return m_changed; }
    bool hasChanges() const { return !m_changed.isEmpty(); }

    // Used by Context once a write has reached the store.
    void markStored(qint64 id);

    bool operator==(const Record &other) const {
        return m_entity == other.m_entity && m_id == other.m_id;
    }

protected:
    QString text(const QString &key) const;
    float float32(const QString &key) const;
    qint16 int16(const QString &key) const;
    std::optional<qint64> number(const QString &key) const;
    QDateTime dateTime(const QString &key) const;
    void setNumber(const QString &key, std::optional<qint64> value);

private:
    const Entity *m_entity = nullptr;
    qint64 m_id = 0;
    QHash<QString, QVariant> m_values;
    QStringList m_changed;
};

Q_DECLARE_METATYPE(Record)
