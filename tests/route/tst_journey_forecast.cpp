#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppState.h"
#include "platform/Clock.h"
#include "route/JourneyViewController.h"
#include "route/MapViewController.h"

#include <QtTest>

// The forecast at a fixed clock (Sunday 15 March 2026, 10:00 in New York), on the journey page
// and under the map's progress line, and the journey page's rows.
class JourneyForecastTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;
    const QDate m_today{2026, 3, 15};

private slots:
    void init() {
        m_dir.fresh();
        Clock::set([this] { return QDateTime(m_today, QTime(10, 0)); });
        AppState::instance()->setDistanceUnit(QStringLiteral("Miles"));
    }
    void cleanup() { Clock::set({}); }

    void forecast_data() {
        QTest::addColumn<QList<int>>("daysAgo"); // each session's day, counted back from today
        QTest::addColumn<QStringList>("distances");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("forecast");

        QTest::newRow("nothing logged") << QList<int>{} << QStringList{} << "Miles"
                                        << "Log a session to see when you reach Halfway";
        QTest::newRow("30 days ago is outside the days counted")
            << QList<int>{30} << QStringList{"50"} << "Miles"
            << "Log a session to see when you reach Halfway";
        QTest::newRow("29 days ago counts: 700 to go at 10 a day")
            << QList<int>{29} << QStringList{"300"} << "Miles"
            << "At 10.00 mi a day, you reach Halfway on May 24, 2026";
        QTest::newRow("kilometres") << QList<int>{0} << QStringList{"300"} << "Kilometers"
                                    << "At 10.00 km a day, you reach Halfway on May 24, 2026";
        QTest::newRow("a later session moves the total, not the pace")
            << QList<int>{-1, 1} << QStringList{"300", "30"} << "Miles"
            << "At 1.00 mi a day, you reach Halfway on Jan 14, 2028";
        QTest::newRow("days are rounded up")
            << QList<int>{1} << QStringList{"31"} << "Miles"
            << "At 1.03 mi a day, you reach Halfway on Oct 8, 2028";
        QTest::newRow("a place met exactly is reached that day")
            << QList<int>{40, 0} << QStringList{"900", "60"} << "Miles"
            << "At 2.00 mi a day, you reach Halfway on Apr 4, 2026";
        QTest::newRow("a city must be passed: on its mark it comes the next day")
            << QList<int>{40, 0} << QStringList{"2148", "300"} << "Miles"
            << "At 10.00 mi a day, you reach Salt Lake City, UT on Mar 16, 2026";
        QTest::newRow("the whole loop done") << QList<int>{0} << QStringList{"9000"} << "Miles"
                                             << "";
    }
    void forecast() {
        QFETCH(QList<int>, daysAgo);
        QFETCH(QStringList, distances);
        QFETCH(QString, unit);
        QFETCH(QString, forecast);
        addPlace("Miami", "Halfway", 33, -97, 1000);
        for (qsizetype i = 0; i < daysAgo.size(); ++i)
            addSession(QDateTime(m_today.addDays(-daysAgo.at(i)), QTime(23, 30)), "300",
                       distances.at(i));
        AppState::instance()->setDistanceUnit(unit);

        JourneyViewController journey;
        journey.viewDidLoad();
        QCOMPARE(journey.forecastLabel()->text(), forecast);
        MapViewController map;
        map.viewDidLoad();
        QCOMPARE(map.forecastLabel()->text(), forecast);
    }

    // The rows: each stop reached with the stored date text of the session that reached it,
    // under its leg.
    void rows() {
        addPlace("SLC", "Dinosaur", 40, -109, 300);
        addPlace("Miami", "Halfway", 33, -97, 1000);
        addSession(QDateTime(QDate(2026, 2, 1), QTime(7, 0)), "300", "2000");
        addSession(QDateTime(QDate(2026, 1, 1), QTime(7, 0)), "300", "1000");
        JourneyViewController journey;
        journey.viewDidLoad();
        QCOMPARE(journey.recordCount(), 3);
        const QList<QVariantMap> &rows = journey.JourneyList()->rows();
        QCOMPARE(rows.at(0).value("textLabel"), "Halfway");
        QCOMPARE(rows.at(0).value("detailTextLabel"), "Jan 1, 2026");
        QCOMPARE(rows.at(0).value("leg"), "Miami to SLC");
        QCOMPARE(rows.at(1).value("textLabel"), "Salt Lake City, UT");
        QCOMPARE(rows.at(1).value("detailTextLabel"), "Feb 1, 2026");
        QCOMPARE(rows.at(1).value("leg"), "Miami to SLC");
        QCOMPARE(rows.at(2).value("textLabel"), "Dinosaur");
        QCOMPARE(rows.at(2).value("leg"), "SLC to Seattle");
        QCOMPARE(rows.at(0).value("firstOfLeg"), true);
        QCOMPARE(rows.at(1).value("firstOfLeg"), false);
        QCOMPARE(rows.at(2).value("firstOfLeg"), true);
        QCOMPARE(journey.NextPlace(), "Seattle, WA");
    }
};

QTEST_GUILESS_MAIN(JourneyForecastTest)
#include "tst_journey_forecast.moc"
