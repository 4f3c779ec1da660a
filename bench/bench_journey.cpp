// The journey page on a large log: opening it with 100,000 sessions and the built-in places
// (the places reached with their dates, the next place ahead and its forecast), beside SQLite
// alone reading the same two columns in the same order.
#include "BenchClock.h"
#include "BenchReport.h"
#include "BenchSessions.h"
#include "model/AppDelegate.h"
#include "route/JourneyViewController.h"
#include "route/LocationSeeder.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

using namespace BenchClock;

namespace {

int measureOpen(const QString &directory, int sessions) {
    std::vector<Timing> opens;
    std::vector<Timing> floors;
    int reached = 0;
    for (int run = 0; run < 5; ++run) {
        AppDelegate::setDataDirectory(directory);
        JourneyViewController journey;
        opens.push_back(timed([&] { journey.viewDidLoad(); }));
        reached = journey.recordCount();
        floors.push_back(BenchSessions::sqliteAlone(
            directory + QStringLiteral("/Pacelog.sqlite"),
            "SELECT distance, date FROM UserData WHERE treadDate IS NOT NULL"
            " ORDER BY treadDate, distance, date",
            [](sqlite3_stmt *row) {
                sqlite3_column_text(row, 0);
                sqlite3_column_text(row, 1);
            }));
    }
    const Timing open = median(opens);
    const Timing floor = median(floors);
    std::printf("journey open, %d sessions, built-in places: %.1f ms (cpu %.1f ms), %d stops "
                "reached; SQLite alone %.1f ms\n",
                sessions, open.wall, open.cpu, reached, floor.wall);
    BenchReport::add(QStringLiteral("journey open"), sessions, open.wall, QStringLiteral("ms"), 150,
                     floor.wall);
    return reached > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--open"))
        return measureOpen(args.at(2), args.at(3).toInt());

    QTemporaryDir dir;
    AppDelegate::setDataDirectory(dir.path());
    BenchSessions::fillDated(100000);
    if (!LocationSeeder::seed())
        return 1;
    AppDelegate::setDataDirectory(dir.path()); // closes the store for the measuring runs
    return !runSelf({QStringLiteral("--open"), dir.path(), QStringLiteral("100000")});
}
