#pragma once

#include "BenchClock.h"
#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/UserData.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

// Stores for the benchmarks, written through the app's own write path: `n` sessions spread over
// 25 years, every month and the first 28 days.
namespace BenchSessions {

// The floor of a figure: `sql` run by SQLite alone on a read-only connection of its own,
// `row` called on each result row.
inline BenchClock::Timing sqliteAlone(const QString &store, const char *sql,
                                      const std::function<void(sqlite3_stmt *)> &row) {
    return BenchClock::timed([&] {
        sqlite3 *db = nullptr;
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_open_v2(store.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
                SQLITE_OK &&
            sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK)
            while (sqlite3_step(statement) == SQLITE_ROW)
                row(statement);
        sqlite3_finalize(statement);
        sqlite3_close(db);
    });
}

inline void saveOrSay(Context &context) {
    if (!context.save())
        std::fprintf(stderr, "could not fill the store\n");
}

// Sessions as the entry screen writes them: texts plus treadDate and its derived fields.
inline void fillDated(int n) {
    Context &context = AppDelegate::shared()->persistentContainer();
    for (int i = 0; i < n; ++i) {
        UserData s;
        const QDateTime when(QDate(2000 + i % 25, 1 + (i / 25) % 12, 1 + (i / 300) % 28),
                             QTime(8, 0));
        s.setTreadDate(when);
        s.setDate(when.date().toString(Qt::ISODate));
        s.setCalories(QString::number(200 + i % 500));
        s.setFatCalories(QString::number(60 + i % 150));
        s.setDistance(QString::number(1.0 + (i % 90) / 10.0));
        s.setLaps(QString::number(4 + i % 36));
        context.insert(s);
    }
    saveOrSay(context);
}

// Sessions as an import leaves them: year text, month and day, but no treadDate yet.
inline void fillImported(int n) {
    Context &context = AppDelegate::shared()->persistentContainer();
    for (int i = 0; i < n; ++i) {
        const int year = 2000 + i % 25;
        const int month = 1 + (i / 25) % 12;
        const int day = 1 + (i / 300) % 28;
        UserData s;
        s.setDate(QStringLiteral("%1/%2/%3 #%4").arg(month).arg(day).arg(year).arg(i));
        s.setCalories(QString::number(200 + i % 500));
        s.setFatCalories(QString::number((200 + i % 500) / 3.2080107));
        s.setDistance(QString::number(1.0 + (i % 90) / 10.0));
        s.setLaps(QString::number(4.0 + (i % 90) / 2.5, 'f', 2));
        s.setYear(QString::number(year));
        s.setImonth(month);
        s.setIday(day);
        context.insert(s);
    }
    saveOrSay(context);
}

// The main of a benchmark over dated stores: run as `--measure DIR N` it measures one store;
// otherwise it fills a store of each size and measures it in a fresh process of its own, so
// each memory figure stands alone.
inline int measureDatedStores(const QStringList &args,
                              const std::function<int(const QString &, int)> &measure) {
    if (args.size() == 4 && args.at(1) == QLatin1String("--measure"))
        return measure(args.at(2), args.at(3).toInt());
    int failures = 0;
    for (const int n : {10000, 100000}) {
        QTemporaryDir dir;
        AppDelegate::setDataDirectory(dir.path());
        fillDated(n);
        AppDelegate::setDataDirectory(dir.path()); // closes the store for the measuring run
        failures +=
            !BenchClock::runSelf({QStringLiteral("--measure"), dir.path(), QString::number(n)});
    }
    return failures;
}

} // namespace BenchSessions
