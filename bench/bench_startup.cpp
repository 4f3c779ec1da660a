// The start-up work on a store that an import filled: N sessions without treadDate, each with
// its own date, calories and distance texts. Measures the repair on the first start (everything
// to repair) and on the next start (nothing left), each in a fresh process, and the seeding of
// the built-in places.
#include "BenchClock.h"
#include "BenchReport.h"
#include "app/MainMenuViewController.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "route/LocationSeeder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace BenchClock;

namespace {

void fill(int n) {
    Context &context = AppDelegate::shared()->persistentContainer();
    for (int i = 0; i < n; ++i) {
        const int year = 2000 + i % 25;
        const int month = 1 + (i / 25) % 12;
        const int day = 1 + (i / 300) % 28;
        UserData s;
        s.setDate(QStringLiteral("%1/%2/%3 #%4").arg(month).arg(day).arg(year).arg(i));
        s.setCalories(QString::number(200 + i % 500));
        s.setDistance(QString::number(1.0 + (i % 90) / 10.0));
        s.setYear(QString::number(year));
        s.setImonth(month);
        s.setIday(day);
        context.insert(s);
    }
    if (!context.save())
        std::fprintf(stderr, "could not fill the store\n");
}

// One start's repair in this process: `first` when the store still has everything to repair.
int measureRepair(const QString &directory, int n, bool first) {
    AppDelegate::setDataDirectory(directory);
    MainMenuViewController menu;
    const Timing repair = timed([&] { menu.repairSessions(); });
    const long peak = peakMegabytes();
    const int repaired = AppDelegate::shared()->persistentContainer().count(
        UserData::fetchRequest().where(QStringLiteral("iyear != %@"), 0));
    if (first) {
        std::printf("repair, %6d sessions: first start %8.1f ms (cpu %8.1f ms, %d repaired),"
                    " peak memory %ld MB\n",
                    n, repair.wall, repair.cpu, repaired, peak);
        BenchReport::add(QStringLiteral("repair"), n, repair.wall, QStringLiteral("ms"), 5000);
        BenchReport::add(QStringLiteral("repair memory"), n, peak, QStringLiteral("MB"), 150);
    } else {
        std::printf("repair, %6d sessions: next start %8.1f ms (cpu %8.1f ms)\n", n, repair.wall,
                    repair.cpu);
        BenchReport::add(QStringLiteral("repair nothing to do"), n, repair.wall,
                         QStringLiteral("ms"), 50);
    }
    std::fflush(stdout);
    return repaired == n ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args.at(1) == QLatin1String("--repair"))
        return measureRepair(args.at(2), args.at(3).toInt(), args.at(4) == QLatin1String("first"));

    int failures = 0;
    for (const int n : {10000, 100000}) {
        QTemporaryDir dir;
        AppDelegate::setDataDirectory(dir.path());
        fill(n);
        AppDelegate::setDataDirectory(dir.path()); // closes the store for the measuring run
        for (const char *start : {"first", "next"})
            failures += !runSelf({QStringLiteral("--repair"), dir.path(), QString::number(n),
                                  QString::fromLatin1(start)});
    }

    QTemporaryDir dir;
    AppDelegate::setDataDirectory(dir.path());
    const Timing empty = timed([] { LocationSeeder::seed(); });
    const Timing again = timed([] { LocationSeeder::seed(); });
    std::printf("seeding the built-in places: empty store %.1f ms (cpu %.1f ms), reseeding %.1f ms"
                " (cpu %.1f ms)\n",
                empty.wall, empty.cpu, again.wall, again.cpu);
    return failures;
}
