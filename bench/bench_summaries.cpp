// The distance summaries on a large log: N sessions over 25 years. Measures opening the yearly
// summary (its rebuild of the per-year records included) beside the floor of SQLite alone
// reading the same three columns in the same order, one year's monthly summary and one month's
// sessions, and the peak memory of a process that opens the store and those three screens.
#include "BenchClock.h"
#include "BenchReport.h"
#include "BenchSessions.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "summary/DailyTableViewController.h"
#include "summary/MonthlyTableViewController.h"
#include "summary/YearlyTableViewController.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

using namespace BenchClock;

namespace {

int measure(const QString &directory, int n) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::vector<Timing> floors, years, months, days;
    int yearRows = 0;
    qint64 daySessions = 0;
    for (int run = 0; run < 3; ++run) {
        AppDelegate::setDataDirectory(directory); // each screen opens the store afresh
        AppState::instance()->setAppSelectedYear(2012);
        AppState::instance()->setAppSelectedMonth(6);
        // The floor: the yearly walk's read as SQLite does it alone, newest first.
        floors.push_back(BenchSessions::sqliteAlone(
            AppDelegate::storePath(),
            "SELECT rowid, year, imonth, distance FROM UserData ORDER BY year DESC, imonth DESC",
            [](sqlite3_stmt *walk) {
                sqlite3_column_text(walk, 1);
                sqlite3_column_int64(walk, 2);
                sqlite3_column_text(walk, 3);
            }));
        YearlyTableViewController yearly;
        years.push_back(timed([&] { yearly.viewDidLoad(); }));
        MonthlyTableViewController monthly;
        months.push_back(timed([&] { monthly.viewDidLoad(); }));
        DailyTableViewController daily;
        days.push_back(timed([&] { daily.viewDidLoad(); }));
        yearRows = yearly.YearArray()->count();
        daySessions = daily.recordCount();
    }
    const long peak = peakMegabytes();
    const Timing floor = median(floors), year = median(years), month = median(months),
                 day = median(days);
    std::printf("summaries, %6d sessions: SQLite alone %6.1f ms, yearly %7.1f ms (cpu %7.1f ms),"
                " monthly %6.1f ms (cpu %6.1f ms), days %6.1f ms (cpu %6.1f ms), peak memory"
                " %ld MB; %d years, %lld sessions in the month\n",
                n, floor.wall, year.wall, year.cpu, month.wall, month.cpu, day.wall, day.cpu, peak,
                yearRows, daySessions);
    std::fflush(stdout);
    const QString ms = QStringLiteral("ms");
    BenchReport::add(QStringLiteral("yearly summary with rebuild"), n, year.wall, ms, 500,
                     floor.wall);
    BenchReport::add(QStringLiteral("monthly summary"), n, month.wall, ms, 100);
    BenchReport::add(QStringLiteral("days of a month"), n, day.wall, ms, 100);
    BenchReport::add(QStringLiteral("summaries memory"), n, peak, QStringLiteral("MB"), 150);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    return BenchSessions::measureDatedStores(app.arguments(), measure);
}
