#pragma once

#include "model/AppDelegate.h"
#include "model/UserData.h"

#include <QStringList>
#include <QtTest>

// Sessions written compactly for test tables: "date^calories^fatCalories^distance^laps^year^
// imonth^iday" with "~" for an absent value.
namespace SessionRows {

inline const QStringList Keys{"date", "calories", "fatCalories", "distance",
                              "laps", "year",     "imonth",      "iday"};

inline void store(const QStringList &rows) {
    Context &context = AppDelegate::shared()->persistentContainer();
    for (const QString &row : rows) {
        const QStringList fields = row.split('^');
        UserData session;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (fields.at(i) == "~")
                continue;
            if (i >= 6)
                session.setValue(Keys.at(i), fields.at(i).toLongLong());
            else
                session.setValue(Keys.at(i), fields.at(i));
        }
        QVERIFY(context.insert(session));
    }
    QVERIFY(context.save());
}

inline QStringList stored() {
    QStringList out;
    const QList<Record> all =
        AppDelegate::shared()->persistentContainer().fetch(UserData::fetchRequest());
    for (const Record &r : all) {
        QStringList fields;
        for (const QString &key : Keys) {
            const QVariant v = r.value(key);
            fields << (v.isValid() ? v.toString() : QStringLiteral("~"));
        }
        out << fields.join('^');
    }
    return out;
}

} // namespace SessionRows
