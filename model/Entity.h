#pragma once

#include "model/AttributeKind.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Attribute {
    QString name;
    AttributeKind kind;
};

// One record type of the model: its table and columns share its names.
class Entity {
public:
    Entity(QString name, QList<Attribute> attributes);

    const QString &name() const { return m_name; }
    const QList<Attribute> &attributes() const { return m_attributes; }
    const Attribute *attribute(const QString &name) const;
    QStringList attributeNames() const;

    // nullptr for a name that is not part of the model.
    static const Entity *named(const QString &name);
    static const QList<const Entity *> &all();

private:
    QString m_name;
    QList<Attribute> m_attributes;
};
