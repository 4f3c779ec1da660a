#include "model/AttributeKind.h"

#include "platform/NumberReading.h"

#include <QDateTime>
#include <array>
#include <cmath>

namespace {

bool absent(const QVariant &value) {
    return value.isNull() || !value.isValid();
}

// A number argument: whole numbers bind as integers, others as reals.
QVariant numberArgument(const QVariant &argument) {
    double d = 0;
    if (argument.typeId() == QMetaType::QString) {
        const auto value = NumberReading::wholeFloat(argument.toString());
        if (!value)
            return QVariant();
        d = double(*value);
    } else {
        bool ok = false;
        d = argument.toDouble(&ok);
        if (!ok)
            return QVariant();
    }
    return d == double(qint64(d)) ? QVariant(qint64(d)) : QVariant(d);
}

// One kind's rules. The functions are only called with a present value.
struct Rules {
    const char *columnType;
    QVariant unset;
    QVariant (*held)(const QVariant &value);
    QVariant (*stored)(const QVariant &held);
    QVariant (*loaded)(const QVariant &column);
    QVariant (*argument)(const QVariant &argument);
};

const Rules &rules(AttributeKind kind) {
    static const std::array<Rules, 5> table{{
        // Text
        {"TEXT NULL", QVariant(), [](const QVariant &v) { return QVariant(v.toString()); },
         [](const QVariant &v) { return QVariant(v.toString()); },
         [](const QVariant &c) { return QVariant(c.toString()); },
         [](const QVariant &a) { return QVariant(a.toString()); }},
        // Float32
        {"REAL NOT NULL DEFAULT 0", QVariant(0.0f),
         [](const QVariant &v) { return QVariant(float(v.toDouble())); },
         [](const QVariant &v) { return QVariant(double(v.toFloat())); },
         [](const QVariant &c) { return QVariant(float(c.toDouble())); },
         [](const QVariant &a) {
             if (a.typeId() == QMetaType::QString) {
                 const auto value = NumberReading::wholeFloat(a.toString());
                 return value ? QVariant(double(*value)) : QVariant();
             }
             bool ok = false;
             const double d = a.toDouble(&ok);
             return ok ? QVariant(double(float(d))) : QVariant();
         }},
        // Int16
        {"INTEGER NOT NULL DEFAULT 0", QVariant(0),
         [](const QVariant &v) { return QVariant(int(qint16(v.toInt()))); },
         [](const QVariant &v) { return QVariant(v.toLongLong()); },
         [](const QVariant &c) { return QVariant(int(qint16(c.toLongLong()))); }, numberArgument},
        // Number
        {"INTEGER NULL", QVariant(), [](const QVariant &v) { return QVariant(v.toLongLong()); },
         [](const QVariant &v) { return QVariant(v.toLongLong()); },
         [](const QVariant &c) { return QVariant(c.toLongLong()); }, numberArgument},
        // DateTime
        {"REAL NULL", QVariant(),
         [](const QVariant &v) {
             if (v.typeId() == QMetaType::QDateTime)
                 return v;
             return QVariant(QDateTime::fromMSecsSinceEpoch(qint64(v.toDouble() * 1000.0)));
         },
         [](const QVariant &v) { return QVariant(v.toDateTime().toMSecsSinceEpoch() / 1000.0); },
         [](const QVariant &c) {
             // A column beyond any moment (a damaged or foreign store) reads as an invalid date;
             // rounding it to whole milliseconds would be undefined.
             const double ms = c.toDouble() * 1000.0;
             if (!(std::abs(ms) < 0x1p63))
                 return QVariant(QDateTime());
             return QVariant(QDateTime::fromMSecsSinceEpoch(qRound64(ms)));
         },
         [](const QVariant &a) {
             if (a.typeId() == QMetaType::QDateTime)
                 return QVariant(a.toDateTime().toMSecsSinceEpoch() / 1000.0);
             return QVariant();
         }},
    }};
    return table.at(size_t(kind));
}

} // namespace

QString AttributeKinds::columnType(AttributeKind kind) {
    return QString::fromLatin1(rules(kind).columnType);
}

QVariant AttributeKinds::unset(AttributeKind kind) {
    return rules(kind).unset;
}

QVariant AttributeKinds::held(AttributeKind kind, const QVariant &value) {
    return absent(value) ? rules(kind).unset : rules(kind).held(value);
}

QVariant AttributeKinds::stored(AttributeKind kind, const QVariant &value) {
    const QVariant present = absent(value) ? rules(kind).unset : value;
    return present.isValid() ? rules(kind).stored(present) : QVariant();
}

QVariant AttributeKinds::loaded(AttributeKind kind, const QVariant &column) {
    return absent(column) ? rules(kind).unset : rules(kind).loaded(column);
}

QVariant AttributeKinds::argument(AttributeKind kind, const QVariant &argument) {
    return absent(argument) ? QVariant() : rules(kind).argument(argument);
}
