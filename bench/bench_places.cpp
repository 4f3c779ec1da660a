// How long the place list takes to open (every session's distance summed for the initial leg,
// then the leg's places) and to switch legs, with many sessions in the store.
//
//   bench_places    runs 10,000 and 100,000 sessions

#include "BenchClock.h"
#include "BenchReport.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "route/LocationSeeder.h"
#include "route/LocationTableViewController.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void fillStore(int sessions) {
    auto bulk = AppDelegate::shared()->newContainer();
    for (int i = 0; i < sessions; ++i) {
        UserData s;
        s.setYear(QString::number(1990 + i % 30));
        s.setDistance(QString::number(1 + (i % 90) / 10.0));
        bulk->insert(s);
    }
    bulk->save();
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    for (const int sessions : {10000, 100000}) {
        QTemporaryDir dir;
        AppDelegate::setDataDirectory(dir.path());
        fillStore(sessions);
        (void)LocationSeeder::seed();
        std::vector<BenchClock::Timing> opens, switches;
        for (int run = 0; run < 3; ++run) {
            LocationTableViewController list;
            opens.push_back(BenchClock::timed([&] { list.viewDidLoad(); }));
            switches.push_back(
                BenchClock::timed([&] { list.segmentedControlActionWithSender(run % 4); }));
        }
        const auto open = BenchClock::median(opens);
        const auto change = BenchClock::median(switches);
        std::printf("%7d sessions: list opens %7.1f ms (cpu %7.1f)  leg switch %5.2f ms\n",
                    sessions, open.wall, open.cpu, change.wall);
        BenchReport::add(QStringLiteral("place list opens"), sessions, open.wall,
                         QStringLiteral("ms"), 300);
        BenchReport::add(QStringLiteral("place list leg switch"), sessions, change.wall,
                         QStringLiteral("ms"), 50);
    }
    return 0;
}
