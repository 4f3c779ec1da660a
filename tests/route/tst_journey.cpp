#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "route/Journey.h"
#include "route/RouteProgress.h"

#include <QtTest>

// The journey's rule over running totals that cross each leg's boundaries and places at and
// around their marks, and its agreement with the map's progress and next place ahead.
class JourneyTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    Context &store() { return AppDelegate::shared()->persistentContainer(); }

    // Places just at and around the marks that matter on each leg, one on no leg.
    void addPlaces() {
        addPlace("Seattle", "W3300", 47, -100, 3300); // beyond the Seattle leg's M of 3262
        addPlace("Miami", "M100", 26, -81, 100);
        addPlace("SLC", "S845", 41, -112, 845); // the SLC leg's last M, at T 3288
        addPlace("Bangor", "B50", 45, -69, 50); // below the Bangor leg's first M of 105
        addPlace("Miami", "M2448", 40, -111, 2448);
        addPlace("SLC", "S50", 41, -111, 50);
        addPlace("Seattle", "W10", 47, -122, 10);   // M at T 3293
        addPlace("Bangor", "B1000", 44, -75, 1000); // M at T 7440
        Locations nowhere;                          // on no leg of the loop
        nowhere.setFromCity("Nowhere");
        nowhere.setName("N1");
        QVERIFY(store().insert(nowhere) && store().save());
        addPlace("Miami", "M100b", 26, -82, 100); // same mark: by name after M100
    }

private slots:
    void init() { m_dir.fresh(); }

    void reached_data() {
        QTest::addColumn<QStringList>("distances"); // the sessions, oldest first
        QTest::addColumn<QStringList>("reached");   // name:the session (1-based) that reached it
        QTest::addColumn<QString>("next");

        const QStringList miami{"M100:1", "M100b:1", "M2448:1"};
        QTest::newRow("no sessions") << QStringList{} << QStringList{} << "M100";
        QTest::newRow("just short of a mark") << QStringList{"99.9"} << QStringList{} << "M100";
        QTest::newRow("the exact mark reaches, a tie by name")
            << QStringList{"60", "40"} << QStringList{"M100:2", "M100b:2"} << "M2448";
        QTest::newRow("2448 is the Miami leg's end: its last place, not yet SLC")
            << QStringList{"2448"} << QStringList{"M100:1", "M100b:1", "M2448:1"}
            << "Salt Lake City, UT";
        QTest::newRow("past 2448 the city, then the SLC leg counts from 5")
            << QStringList{"2000", "448", "0.01", "44.99"}
            << QStringList{"M100:1", "M100b:1", "M2448:2", "Salt Lake City, UT:3", "S50:4"}
            << "S845";
        QTest::newRow("one session reaches several, in route order")
            << QStringList{"2493"}
            << QStringList{"M100:1", "M100b:1", "M2448:1", "Salt Lake City, UT:1", "S50:1"}
            << "S845";
        QTest::newRow("3288 meets the SLC leg's last place; Seattle after it")
            << QStringList{"3000", "288", "5"}
            << QStringList{"M100:1", "M100b:1", "M2448:1",       "Salt Lake City, UT:1",
                           "S50:1",  "S845:2",  "Seattle, WA:3", "W10:3"}
            << "W3300";
        QTest::newRow("a place the leg's M never reaches waits for the next leg")
            << QStringList{"6545"}
            << QStringList{"M100:1", "M100b:1", "M2448:1",       "Salt Lake City, UT:1",
                           "S50:1",  "S845:1",  "Seattle, WA:1", "W10:1"}
            << "W3300";
        QTest::newRow("the Bangor leg starts at M 105.5: its nearer places at once")
            << QStringList{"6545", "0.5"}
            << miami + QStringList{"Salt Lake City, UT:1", "S50:1", "S845:1",
                                   "Seattle, WA:1",        "W10:1", "W3300:2",
                                   "Bangor, ME:2",         "B50:2"}
            << "B1000";
        QTest::newRow("around a Bangor place")
            << QStringList{"7439.9", "0.1"}
            << miami + QStringList{"Salt Lake City, UT:1", "S50:1", "S845:1",
                                   "Seattle, WA:1",        "W10:1", "W3300:1",
                                   "Bangor, ME:1",         "B50:1", "B1000:2"}
            << "Miami, FL";
        QTest::newRow("8288 is not yet Miami; beyond it the loop is done")
            << QStringList{"8288", "0.001"}
            << miami + QStringList{"Salt Lake City, UT:1", "S50:1", "S845:1",
                                   "Seattle, WA:1",        "W10:1", "W3300:1",
                                   "Bangor, ME:1",         "B50:1", "B1000:1",
                                   "Miami, FL:2"}
            << "";
        QTest::newRow("what was reached stays when the total goes back; ahead is from today's")
            << QStringList{"100", "-50", "10"} << QStringList{"M100:1", "M100b:1"} << "M100";
    }
    void reached() {
        QFETCH(QStringList, distances);
        QFETCH(QStringList, reached);
        QFETCH(QString, next);
        // Stored newest first, so only treadDate gives the order.
        QStringList dates;
        for (qsizetype i = distances.size() - 1; i >= 0; --i)
            addSession(QDateTime(QDate(2026, 1, 1).addDays(i), QTime(7, 0)), "300",
                       distances.at(i));
        for (qsizetype i = 0; i < distances.size(); ++i)
            dates << Formatting::mediumDate(QDateTime(QDate(2026, 1, 1).addDays(i), QTime(7, 0)));
        addPlaces();

        for (QString &entry : reached) {
            const qsizetype colon = entry.lastIndexOf(':');
            entry = entry.left(colon) + " on " + dates.at(entry.mid(colon + 1).toInt() - 1);
        }
        Journey journey;
        QVERIFY(journey.compute(store()));
        QStringList found;
        for (const Journey::Stop &stop : journey.reached)
            found << stop.name + " on " + stop.date;
        QCOMPARE(found, reached);
        QCOMPARE(journey.next ? journey.next->name : QString(), next);
        QCOMPARE(journey.sessionCount, distances.size());

        // The map on the same total: where it shows a place ahead, it is the journey's next.
        RouteProgress progress;
        progress.totalMiles = journey.totalMiles;
        progress.computeLeg();
        if (progress.findNextPlace(store()))
            QCOMPARE(progress.currentCity, next);
    }
};

QTEST_GUILESS_MAIN(JourneyTest)
#include "tst_journey.moc"
