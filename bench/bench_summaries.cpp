// The distance summaries on a large log: N sessions over 25 years. Times opening the yearly
// summary (its rebuild of the per-year records included), one year's monthly summary and one
// month's sessions, and the peak memory of those three.
#include "BenchClock.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "summary/DailyTableViewController.h"
#include "summary/MonthlyTableViewController.h"
#include "summary/YearlyTableViewController.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#if __has_include("BenchReport.h")
#include "BenchReport.h"
#define PACELOG_BENCH_REPORT 1
#endif

namespace {

// Sessions written the way session entry writes them: texts plus treadDate and its fields.
void fill(int n) {
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
    if (!context.save())
        std::fprintf(stderr, "could not fill the store\n");
}

// Linux lets a process restart its peak-memory mark, so the figure covers the screens alone
// and not the filling of the store; elsewhere it is the whole run's peak.
void restartPeakMemory() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

double peakMegabytesSinceRestart() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return double(BenchClock::peakMegabytes());
}

void report(const char *name, int n, double value, const char *unit, double target) {
#ifdef PACELOG_BENCH_REPORT
    BenchReport::add(QString::fromLatin1(name), n, value, QString::fromLatin1(unit), target);
#endif
    std::printf("summaries, %6d sessions: %-28s %8.1f %s (target < %.0f)\n", n, name, value, unit,
                target);
}

} // namespace

using namespace BenchClock;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    for (const int n : {10000, 100000}) {
        QTemporaryDir dir;
        AppDelegate::setDataDirectory(dir.path());
        fill(n);
        AppDelegate::setDataDirectory(dir.path()); // a new run on that store
        AppState::instance()->setAppSelectedYear(2012);
        AppState::instance()->setAppSelectedMonth(6);
        restartPeakMemory();

        YearlyTableViewController yearly;
        const Timing years = timed([&] { yearly.viewDidLoad(); });
        MonthlyTableViewController monthly;
        const Timing months = timed([&] { monthly.viewDidLoad(); });
        DailyTableViewController daily;
        const Timing days = timed([&] { daily.viewDidLoad(); });
        const double peak = peakMegabytesSinceRestart();

        report("yearly summary (rebuild)", n, years.wall, "ms", 500);
        report("monthly summary", n, months.wall, "ms", 100);
        report("days of a month", n, days.wall, "ms", 100);
        report("peak resident memory", n, peak, "MB", 150);
        std::printf("summaries, %6d sessions: cpu yearly %.1f ms, monthly %.1f ms, days %.1f ms;"
                    " %d years, %lld sessions in the month\n",
                    n, years.cpu, months.cpu, days.cpu, yearly.YearArray()->count(),
                    daily.recordCount());
    }
    return 0;
}
