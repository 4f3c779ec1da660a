#pragma once

#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "platform/Formatting.h"

// A session as the entry screen stores it (treadDate and its medium date text), saved at once
// through the shared connection. Shared by the unit tests and the page tests' TestStore.
inline UserData addSession(const QDateTime &when, const QString &calories, const QString &distance,
                           const QString &fat = {}, const QString &laps = {}) {
    UserData s;
    s.setTreadDate(when);
    s.setDate(Formatting::mediumDate(when));
    s.setCalories(calories);
    s.setDistance(distance);
    s.setFatCalories(fat);
    s.setLaps(laps);
    Context &context = AppDelegate::shared()->persistentContainer();
    if (!context.insert(s) || !context.save())
        qFatal("the test log could not be stored");
    return s;
}

// A session as the file import stores it: texts, the year text, month and day, no treadDate.
inline UserData addImported(const QString &date, const QString &year = {},
                            std::optional<qint64> month = {}, std::optional<qint64> day = {}) {
    UserData s;
    s.setDate(date);
    s.setCalories(QStringLiteral("300"));
    s.setDistance(QStringLiteral("3.1"));
    s.setYear(year);
    s.setImonth(month);
    s.setIday(day);
    Context &context = AppDelegate::shared()->persistentContainer();
    if (!context.insert(s) || !context.save())
        qFatal("the test log could not be stored");
    return s;
}
