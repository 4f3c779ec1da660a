// The start-up work on a store that an import filled: N sessions without treadDate, each with
// its own date, calories and distance texts. Measures the repair on the first start (everything
// to repair) and on the next start (nothing left), each in a fresh process, and the seeding of
// the built-in places.
#include "BenchClock.h"
#include "BenchReport.h"
#include "BenchSessions.h"
#include "app/MainMenuViewController.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "route/LocationSeeder.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

using namespace BenchClock;

namespace {

// One start's repair in this process: `first` when the store still has everything to repair.
int measureRepair(const QString &directory, int n, bool first) {
    AppDelegate::setDataDirectory(directory);
    MainMenuViewController menu;
    const Timing repair = timed([&] { menu.repairSessions(); });
    const long peak = peakMegabytes();
    const int repaired = AppDelegate::shared()->persistentContainer().count(
        UserData::fetchRequest().where(QStringLiteral("treadDate != nil")));
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

// From process start to the menu's first frame, nothing left to repair: the app times itself
// out with --first-frame. The first two starts seed the built-in places; they are not timed.
bool measureColdStart(const QString &directory, int n) {
    const auto start = [&] {
        QProcess app;
        app.start(QStringLiteral(PACELOG_BINARY),
                  {QStringLiteral("--first-frame"), QStringLiteral("--data-dir"), directory});
        return app.waitForFinished(60000) && app.exitStatus() == QProcess::NormalExit &&
               app.exitCode() == 0;
    };
    bool ok = start() && start();
    std::vector<Timing> runs;
    for (int i = 0; i < 3; ++i)
        runs.push_back(timed([&] { ok = start() && ok; }));
    const Timing cold = median(runs);
    std::printf("cold start, %6d sessions: %7.1f ms to the menu's first frame%s\n", n, cold.wall,
                ok ? "" : "  FAILED");
    std::fflush(stdout);
    BenchReport::add(QStringLiteral("cold start"), n, cold.wall, QStringLiteral("ms"), 1000);
    return ok;
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
        BenchSessions::fillImported(n);
        AppDelegate::setDataDirectory(dir.path()); // closes the store for the measuring run
        for (const char *start : {"first", "next"})
            failures += !runSelf({QStringLiteral("--repair"), dir.path(), QString::number(n),
                                  QString::fromLatin1(start)});
        failures += !measureColdStart(dir.path(), n);
    }

    QTemporaryDir dir;
    AppDelegate::setDataDirectory(dir.path());
    const Timing empty = timed([] { (void)LocationSeeder::seed(); });
    const Timing again = timed([] { (void)LocationSeeder::seed(); });
    std::printf("seeding the built-in places: empty store %.1f ms (cpu %.1f ms), reseeding %.1f ms"
                " (cpu %.1f ms)\n",
                empty.wall, empty.cpu, again.wall, again.cpu);
    return failures;
}
