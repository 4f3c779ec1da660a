#pragma once

#include <QString>
#include <QVariant>

// The kinds an attribute can have. Each kind's rules (its column, how a Record holds it, how
// it is stored and read back, how a query argument compared with it is bound) are written
// once, in AttributeKind.cpp; adding a kind is one entry there.
enum class AttributeKind {
    Text,    // TEXT NULL
    Float32, // REAL NOT NULL DEFAULT 0, always rounded through float
    Int16,   // INTEGER NOT NULL DEFAULT 0
    Number,  // INTEGER NULL
    DateTime // REAL NULL, seconds since 1970-01-01 UTC
};

namespace AttributeKinds {

// The column declaration, e.g. "REAL NOT NULL DEFAULT 0".
QString columnType(AttributeKind kind);
// What a record reads for a value nobody set: 0 for the scalar kinds, else nothing.
QVariant unset(AttributeKind kind);
// A value set on a record, converted to the kind (a float32 is rounded through float).
QVariant held(AttributeKind kind, const QVariant &value);
// The column value of a value a record holds.
QVariant stored(AttributeKind kind, const QVariant &value);
// A column value as a record holds it.
QVariant loaded(AttributeKind kind, const QVariant &column);
// A query argument compared with an attribute of the kind. Text read against a number kind
// is read as a whole number text; what cannot be read binds NULL, which equals nothing.
QVariant argument(AttributeKind kind, const QVariant &argument);

} // namespace AttributeKinds
