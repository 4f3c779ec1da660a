// The start-up work on a store that an import filled: N sessions without treadDate, each with
// its own date, calories and distance texts. Prints the time of the repair on the first start
// (everything to repair), on the next start (nothing left), and of the place seeding.
#include "BenchClock.h"
#include "app/MainMenuViewController.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "route/LocationSeeder.h"

#include <QCoreApplication>
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

int repaired() {
    int n = 0;
    for (const UserData &s :
         AppDelegate::shared()->persistentContainer().fetchAs<UserData>(UserData::fetchRequest()))
        n += s.treadDate().isValid() && s.iyear() != 0;
    return n;
}

} // namespace

using namespace BenchClock;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);

    for (const int n : {10000, 100000}) {
        QTemporaryDir dir;
        AppDelegate::setDataDirectory(dir.path());
        fill(n);
        AppDelegate::setDataDirectory(dir.path()); // a new run on that store

        MainMenuViewController menu;
        const Timing first = timed([&] { menu.repairSessions(); });
        const int done = repaired();
        const Timing next = timed([&] { menu.repairSessions(); });
        std::printf("repair, %6d sessions: first start %8.1f ms (cpu %8.1f ms, %d repaired),"
                    " next start %7.1f ms (cpu %7.1f ms), peak memory %ld MB\n",
                    n, first.wall, first.cpu, done, next.wall, next.cpu, peakMegabytes());
    }

    QTemporaryDir dir;
    AppDelegate::setDataDirectory(dir.path());
    const Timing empty = timed([] { LocationSeeder::seed(); });
    const Timing again = timed([] { LocationSeeder::seed(); });
    std::printf("seeding the built-in places: empty store %.1f ms (cpu %.1f ms), reseeding %.1f ms"
                " (cpu %.1f ms)\n",
                empty.wall, empty.cpu, again.wall, again.cpu);
    return 0;
}
