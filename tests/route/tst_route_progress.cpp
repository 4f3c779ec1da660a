#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/Context.h"
#include "route/Journey.h"
#include "route/RouteProgress.h"

#include <QtTest>

class RouteProgressTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    Context &store() { return AppDelegate::shared()->persistentContainer(); }

private slots:
    void init() { m_dir.fresh(); }

    // The sessions' distances are summed; each total gives its leg, miles and line.
    void progressLine_data() {
        QTest::addColumn<QStringList>("distances");
        QTest::addColumn<QString>("fromCity");
        QTest::addColumn<double>("miles");
        QTest::addColumn<QString>("line");

        QTest::newRow("no sessions")
            << QStringList{} << "Miami" << 0.0 << "Miles from Miami 0 : 2448 To SLC";
        QTest::newRow("2448 is still Miami")
            << QStringList{"2448"} << "Miami" << 2448.0 << "Miles from Miami 2448 : 0 To SLC";
        QTest::newRow("2448.5") << QStringList{"2448.5"} << "SLC" << 5.5
                                << "Miles from SLC 5.5 : 834.5 To Seattle";
        QTest::newRow("6545") << QStringList{"6545"} << "Seattle" << 3262.0
                              << "Miles from Seattle 3262 : 40 To Bangor";
        QTest::newRow("8288") << QStringList{"8288"} << "Bangor" << 1848.0
                              << "Miles from Bangor 1848 : -5 To Miami";
        QTest::newRow("9000 leaves everything") << QStringList{"9000"} << "" << 0.0 << "";
        QTest::newRow("two decimals, half-even") << QStringList{"1234.567"} << "Miami" << 1234.567
                                                 << "Miles from Miami 1234.57 : 1213.43 To SLC";
    }
    void progressLine() {
        QFETCH(QStringList, distances);
        QFETCH(QString, fromCity);
        QFETCH(double, miles);
        QFETCH(QString, line);
        for (const QString &d : distances)
            addSession(QDateTime(QDate(2026, 3, 5), QTime(8, 0)), "300", d);
        RouteProgress progress;
        Journey journey;
        journey.compute(store());
        progress.totalMiles = journey.totalMiles;
        progress.recordCount = journey.sessionCount;
        QCOMPARE(progress.recordCount, distances.size());
        QCOMPARE(progress.computeLeg(), !line.isEmpty());
        QCOMPARE(progress.fromCity, fromCity);
        QCOMPARE(progress.milesFromCity, miles);
        QCOMPARE(progress.line, line);
    }

    void nextPlace_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QList<float>>("slcPlaces");
        QTest::addColumn<QString>("currentCity");

        QTest::newRow("the first beyond 57") << "2500" << QList<float>{50, 60, 200} << "at 60";
        QTest::newRow("a place exactly at M is passed")
            << "2500" << QList<float>{57, 200} << "at 200";
        QTest::newRow("exactly 3288 keeps the previous") << "3288" << QList<float>{846, 900} << "";
        QTest::newRow("places of other legs do not count") << "2500" << QList<float>{} << "";
    }
    void nextPlace() {
        QFETCH(QString, total);
        QFETCH(QList<float>, slcPlaces);
        QFETCH(QString, currentCity);
        addSession(QDateTime(QDate(2026, 3, 5), QTime(8, 0)), "300", total);
        addPlace("Seattle", "on Seattle", 40.6f, -110.25f, 100);
        addPlace("Miami", "on Miami", 42.96f, -110.25f, 2460);
        for (float miles : slcPlaces)
            addPlace("SLC", "at " + QString::number(miles), 40.5f + miles / 1000, -110.25f, miles);

        RouteProgress progress;
        Journey journey;
        journey.compute(store());
        progress.totalMiles = journey.totalMiles;
        progress.recordCount = journey.sessionCount;
        progress.computeLeg();
        QCOMPARE(progress.findNextPlace(store()), !currentCity.isEmpty());
        QCOMPARE(progress.currentCity, currentCity);
        QCOMPARE(progress.hasNextPlace, !currentCity.isEmpty());
        if (!currentCity.isEmpty()) // each place's latitude tells it apart
            QCOMPARE(progress.latitude, double(40.5f + currentCity.mid(3).toFloat() / 1000));
    }
};

QTEST_GUILESS_MAIN(RouteProgressTest)
#include "tst_route_progress.moc"
