#include "DataDirectory.h"
#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/Locations.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "route/RouteProgress.h"

#include <QtTest>

class RouteProgressTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    Context &store() { return AppDelegate::shared()->persistentContainer(); }

    void addSession(const QString &distance) {
        UserData session;
        session.setDate("Mar 5, 2026");
        session.setCalories("300");
        session.setDistance(distance);
        QVERIFY(store().insert(session));
        QVERIFY(store().save());
    }

    void addPlace(const QString &leg, const QString &name, float miles) {
        Locations place;
        place.setFromCity(leg);
        place.setName(name);
        place.setLatitude(40.5f + miles / 1000);
        place.setLongitude(-110.25f);
        place.setValue("milesFrom" + leg, miles);
        QVERIFY(store().insert(place));
        QVERIFY(store().save());
    }

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
        QTest::newRow("2500") << QStringList{"2000", "500"} << "SLC" << 57.0
                              << "Miles from SLC 57 : 783 To Seattle";
        QTest::newRow("3300") << QStringList{"3300"} << "Seattle" << 17.0
                              << "Miles from Seattle 17 : 3285 To Bangor";
        QTest::newRow("6545") << QStringList{"6545"} << "Seattle" << 3262.0
                              << "Miles from Seattle 3262 : 40 To Bangor";
        QTest::newRow("7000") << QStringList{"7000"} << "Bangor" << 560.0
                              << "Miles from Bangor 560 : 1283 To Miami";
        QTest::newRow("8288") << QStringList{"8288"} << "Bangor" << 1848.0
                              << "Miles from Bangor 1848 : -5 To Miami";
        QTest::newRow("9000 leaves everything") << QStringList{"9000"} << "" << 0.0 << "";
        QTest::newRow("two decimals, half-even") << QStringList{"1234.567"} << "Miami" << 1234.567
                                                 << "Miles from Miami 1234.57 : 1213.43 To SLC";
        QTest::newRow("distances read by their leading number")
            << QStringList{"12.5 mi", "x", "7.5"} << "Miami" << 20.0
            << "Miles from Miami 20 : 2428 To SLC";
    }
    void progressLine() {
        QFETCH(QStringList, distances);
        QFETCH(QString, fromCity);
        QFETCH(double, miles);
        QFETCH(QString, line);
        for (const QString &d : distances)
            addSession(d);
        RouteProgress progress;
        progress.computeTotal(store());
        QCOMPARE(progress.recordCount, distances.size());
        QCOMPARE(progress.computeLeg(), !line.isEmpty());
        QCOMPARE(progress.fromCity, fromCity);
        QCOMPARE(progress.milesFromCity, miles);
        QCOMPARE(progress.line, line);
    }

    void numbersFollowTheLocale() {
        Formatting::setLocale("de_DE");
        const QString text = RouteProgress::number(12345.125);
        Formatting::setLocale("en_US");
        QCOMPARE(text, QString("12345,12"));
    }

    void nextPlace_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<QList<float>>("slcPlaces");
        QTest::addColumn<QString>("currentCity");

        QTest::newRow("the first beyond 57") << "2500" << QList<float>{50, 60, 200} << "at 60";
        QTest::newRow("a place exactly at M is passed")
            << "2500" << QList<float>{57, 200} << "at 200";
        QTest::newRow("exactly 3288 keeps the previous") << "3288" << QList<float>{846, 900} << "";
        QTest::newRow("no place ahead") << "2500" << QList<float>{10, 20} << "";
        QTest::newRow("places of other legs do not count") << "2500" << QList<float>{} << "";
    }
    void nextPlace() {
        QFETCH(QString, total);
        QFETCH(QList<float>, slcPlaces);
        QFETCH(QString, currentCity);
        addSession(total);
        addPlace("Seattle", "on Seattle", 100);
        addPlace("Miami", "on Miami", 2460);
        for (float miles : slcPlaces)
            addPlace("SLC", "at " + QString::number(miles), miles);

        RouteProgress progress;
        progress.computeTotal(store());
        progress.computeLeg();
        QCOMPARE(progress.findNextPlace(store()), !currentCity.isEmpty());
        QCOMPARE(progress.currentCity, currentCity);
        QCOMPARE(progress.hasNextPlace, !currentCity.isEmpty());
        if (currentCity.isEmpty()) {
            QCOMPARE(progress.latitude, 0.0);
            QCOMPARE(progress.longitude, 0.0);
        } else {
            const float miles = currentCity.mid(3).toFloat();
            QCOMPARE(progress.latitude, double(40.5f + miles / 1000));
            QCOMPARE(progress.longitude, -110.25);
        }
    }
};

QTEST_GUILESS_MAIN(RouteProgressTest)
#include "tst_route_progress.moc"
