// The totals screen on a large log: N sessions spread over 25 years. Measures the first load
// (month, year and lifetime blocks), picking another date (all three again) and the printed
// report, beside the floor: SQLite alone summing the four columns of the same store.
#include "BenchClock.h"
#include "BenchReport.h"
#include "BenchSessions.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "summary/TotalsViewController.h"

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace BenchClock;

namespace {

int measure(const QString &directory, int n) {
    qputenv("PACELOG_PRINT_TO", "/dev/null");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::vector<Timing> floors, loads, picks;
    for (int run = 0; run < 3; ++run) {
        AppDelegate::setDataDirectory(directory); // each load opens the store afresh
        // The floor: the four sums as SQLite computes them by itself.
        floors.push_back(BenchSessions::sqliteAlone(
            AppDelegate::storePath(),
            "SELECT SUM(CAST(calories AS REAL)), SUM(CAST(fatCalories AS REAL)),"
            " SUM(CAST(distance AS REAL)), SUM(CAST(laps AS REAL)) FROM UserData",
            [](sqlite3_stmt *) {}));
        TotalsViewController totals;
        loads.push_back(timed([&] { totals.viewDidLoad(); }));
        picks.push_back(timed([&] {
            totals.rangeDatePickerChanged(QDateTime(QDate(2012, 6 + run, 15), QTime(9, 0)));
        }));
    }
    TotalsViewController totals;
    totals.viewDidLoad();
    const Timing print = timed([&] { totals.PrintButtonClicked(); });
    const long peak = peakMegabytes();
    const Timing floor = median(floors), load = median(loads), pick = median(picks);

    std::printf("totals, %6d sessions: SQLite alone %6.1f ms, load %7.1f ms (cpu %7.1f ms), pick"
                " %7.1f ms (cpu %7.1f ms), report and PDF %6.1f ms, peak memory %ld MB\n",
                n, floor.wall, load.wall, load.cpu, pick.wall, pick.cpu, print.wall, peak);
    std::fflush(stdout);
    const QString ms = QStringLiteral("ms");
    BenchReport::add(QStringLiteral("totals load"), n, load.wall, ms, 3 * floor.wall, floor.wall);
    BenchReport::add(QStringLiteral("totals date pick"), n, pick.wall, ms, 3 * floor.wall,
                     floor.wall);
    BenchReport::add(QStringLiteral("totals memory"), n, peak, QStringLiteral("MB"), 150);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    return BenchSessions::measureDatedStores(app.arguments(), measure);
}
