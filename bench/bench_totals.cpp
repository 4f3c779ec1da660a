// The totals screen on a large log: N sessions spread over 25 years. Prints the time of the
// first load (month, year and lifetime blocks), of picking another date (all three again) and
// of building the printed report.
#include "BenchClock.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "summary/TotalsViewController.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>
#include <sys/resource.h>

namespace {

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

} // namespace

using namespace BenchClock;

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    qputenv("PACELOG_PRINT_TO", "/dev/null");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    for (const int n : {10000, 100000}) {
        QTemporaryDir dir;
        AppDelegate::setDataDirectory(dir.path());
        fill(n);
        AppDelegate::setDataDirectory(dir.path()); // a new run on that store

        TotalsViewController totals;
        const Timing load = timed([&] { totals.viewDidLoad(); });
        const Timing pick = timed(
            [&] { totals.rangeDatePickerChanged(QDateTime(QDate(2012, 6, 15), QTime(9, 0))); });
        const Timing print = timed([&] { totals.PrintButtonClicked(); });
        std::printf("totals, %6d sessions: load %7.1f ms (cpu %7.1f ms), pick %7.1f ms (cpu %7.1f"
                    " ms), report and PDF %6.1f ms (cpu %6.1f ms), peak memory %ld MB\n",
                    n, load.wall, load.cpu, pick.wall, pick.cpu, print.wall, print.cpu,
                    peakMegabytes());
    }
    return 0;
}
