#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "platform/AlertPresenter.h"
#include "platform/Navigator.h"
#include "route/EditLocationViewController.h"
#include "route/LocationTableViewController.h"
#include "route/LocationViewController.h"

#include <QSignalSpy>
#include <QtTest>

// What the store holds, one "leg^name^latitude^longitude^Miami^SLC^Seattle^Bangor" per place.
static QStringList stored() {
    QStringList out;
    const auto all =
        AppDelegate::shared()->persistentContainer().fetchAs<Locations>(Locations::fetchRequest());
    for (const Locations &p : all) {
        QStringList f{p.fromCity(), p.name()};
        for (const char *key : {"latitude", "longitude", "milesFromMiami", "milesFromSLC",
                                "milesFromSeattle", "milesFromBangor"})
            f << QString::number(p.value(key).toFloat());
        out << f.join('^');
    }
    return out;
}

class PlacesTest : public QObject {
    Q_OBJECT
    DataDirectory m_dir;

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
    }

    void initialLeg_data() {
        QTest::addColumn<QStringList>("distances");
        QTest::addColumn<int>("index");
        QTest::newRow("2449: Miami") << QStringList{"2000", "449"} << 0;
        QTest::newRow("2450: SLC") << QStringList{"2449.5", "0.5"} << 1;
        QTest::newRow("6545: Bangor") << QStringList{"6545"} << 3;
        QTest::newRow("9000: Miami again") << QStringList{"9000 miles"} << 0;
    }
    void initialLeg() {
        QFETCH(QStringList, distances);
        QFETCH(int, index);
        for (const QString &distance : distances)
            addSession(QDateTime(QDate(2026, 3, 5), QTime(8, 0)), "300", distance);
        LocationTableViewController list;
        list.viewDidLoad();
        QCOMPARE(list.selectedSegmentIndex(), index);
        QCOMPARE(list.recordCount(), distances.size());
    }

    // The page test adds a place; here what is not stored, and which refusals keep the screen
    // open so the field can be corrected.
    void add_data() {
        QTest::addColumn<QStringList>("fields"); // name, latitude, longitude, leg, miles
        QTest::addColumn<QString>("alert");
        QTest::newRow("empty name") << QStringList{"", "41.2", "-111.97", "SLC", "42"} << "";
        QTest::newRow("leg not a key")
            << QStringList{"Ogden", "41.2", "-111.97", "slc", "42"} << "";
        QTest::newRow("latitude not a number")
            << QStringList{"Ogden", "41,2", "-111.97", "SLC", "42"}
            << "The latitude is not a number.";
    }
    void add() {
        QFETCH(QStringList, fields);
        QFETCH(QString, alert);
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        LocationViewController screen;
        screen.CityNameTextField()->setText(fields.at(0));
        screen.LatitudeTextField()->setText(fields.at(1));
        screen.LongitudeTextField()->setText(fields.at(2));
        screen.FromCityTextField()->setText(fields.at(3));
        screen.MileFromTextField()->setText(fields.at(4));
        screen.SaveLocation();
        QVERIFY(stored().isEmpty());
        QCOMPARE(AlertPresenter::instance()->message(), alert);
        QCOMPARE(segues.size(), alert.isEmpty() ? 1 : 0);
    }

    void edit_data() {
        QTest::addColumn<QStringList>("places"); // the first one is opened
        QTest::addColumn<QStringList>("fields"); // name, latitude, longitude, leg, miles
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Miami to SLC") << QStringList{"Miami^Ocala^29.19^-82.14^300"}
                                      << QStringList{"Ocala", "29.19", "-82.14", "SLC", "120"}
                                      << QStringList{"SLC^Ocala^29.19^-82.14^300^120^0^0"};
        QTest::newRow("lower-case leg saves nothing")
            << QStringList{"Seattle^Tacoma^47.6^-122.3^120.5"}
            << QStringList{"Tacoma Dome", "47.6", "-122.3", "seattle", "121"}
            << QStringList{"Seattle^Tacoma^47.6^-122.3^0^0^120.5^0"};
        QTest::newRow("latitude not a number is cleared")
            << QStringList{"Seattle^Tacoma^47.6^-122.3^120.5"}
            << QStringList{"Tacoma Dome", "north", "-122.3", "Seattle", "120.5"}
            << QStringList{"Seattle^Tacoma Dome^0^-122.3^0^0^120.5^0"};
        QTest::newRow("two places with one name save nothing")
            << QStringList{"Bangor^Augusta^44.3^-69.8^90", "Bangor^Augusta^44.4^-69.7^95"}
            << QStringList{"Augusta ME", "44.3", "-69.8", "Bangor", "91"}
            << QStringList{"Bangor^Augusta^44.3^-69.8^0^0^0^90",
                           "Bangor^Augusta^44.4^-69.7^0^0^0^95"};
    }
    void edit() {
        QFETCH(QStringList, places);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, expected);
        for (const QString &spec : places) { // leg^name^latitude^longitude^miles on its leg
            const QStringList f = spec.split('^');
            addPlace(f.at(0), f.at(1), f.at(2).toFloat(), f.at(3).toFloat(), f.at(4).toFloat());
        }
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        EditLocationViewController screen;
        screen.setDetailItem(QVariant::fromValue<Record>(
            AppDelegate::shared()->persistentContainer().fetch(Locations::fetchRequest()).first()));
        screen.CityNameTextField()->setText(fields.at(0));
        screen.LatitudeTextField()->setText(fields.at(1));
        screen.LongitudeTextField()->setText(fields.at(2));
        screen.FromCityTextField()->setText(fields.at(3));
        screen.MilesFromTextField()->setText(fields.at(4));
        screen.SaveLocation();
        QCOMPARE(stored(), expected);
        QCOMPARE(segues.size(), 1);
        QCOMPARE(segues.first().first().toString(), "unwindToLocations");
    }

    // A place on no known leg: no row texts, and the edit screen shows no miles.
    void unknownLeg() {
        Locations p;
        p.setFromCity("Tulsa");
        p.setLatitude(36);
        QCOMPARE(LocationTableViewController::titleFor(p), QString());
        QCOMPARE(LocationTableViewController::detailFor(p), QString());
        EditLocationViewController screen;
        screen.setDetailItem(QVariant::fromValue<Record>(p));
        QCOMPARE(screen.LatitudeTextField()->text(), "36.0");
        QCOMPARE(screen.MilesFromTextField()->text(), "");
    }
};

QTEST_MAIN(PlacesTest)
#include "tst_places.moc"
