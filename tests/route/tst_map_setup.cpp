#include "DataDirectory.h"
#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/MainLocations.h"
#include "platform/AlertPresenter.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"
#include "route/MapSetupViewController.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const QStringList Names{"Miami", "SLC", "Seattle", "Bangor", "Miami"};
const QStringList Latitudes{"25.761681", "40.76078", "47.606209", "44.801601", "25.761681"};
const QStringList Longitudes{"-80.191788", "-111.891045", "-122.332069", "-68.771332",
                             "-80.191788"};
} // namespace

class MapSetupTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    Context &store() { return AppDelegate::shared()->persistentContainer(); }
    QList<MainLocations> records() {
        return store().fetchAs<MainLocations>(MainLocations::fetchRequest());
    }
    void fill(MapSetupViewController &screen) {
        for (int n = 1; n <= 5; ++n) {
            screen.nameField(n)->setText(Names[n - 1]);
            screen.latitudeField(n)->setText(Latitudes[n - 1]);
            screen.longitudeField(n)->setText(Longitudes[n - 1]);
        }
    }

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
        Formatting::setLocale("en_US");
    }

    void firstSaveCreatesThenUpdatesTheOneRecord() {
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        {
            MapSetupViewController screen;
            screen.viewDidLoad();
            QCOMPARE(screen.StartingCityLatitudeTextField()->text(), QString());
            fill(screen);
            screen.SaveButtonCicked();
        }
        QCOMPARE(records().size(), 1);
        QCOMPARE(records().first().cityLatitude(2), 40.76078f);

        MapSetupViewController again;
        again.viewDidLoad();
        QStringList shown;
        for (int n = 1; n <= 5; ++n)
            shown << again.nameField(n)->text() << again.latitudeField(n)->text()
                  << again.longitudeField(n)->text();
        QCOMPARE(shown,
                 (QStringList{"Miami", "25.761681", "-80.191788", "SLC", "40.760780", "-111.891045",
                              "Seattle", "47.606209", "-122.332069", "Bangor", "44.801601",
                              "-68.771332", "Miami", "25.761681", "-80.191788"}));
        again.City3TextField()->setText("Spokane");
        again.City3LatitudeTextField()->setText("");
        again.SaveButtonCicked();
        QCOMPARE(records().size(), 1);
        QCOMPARE(records().first().cityName(3), QString("Spokane"));
        QCOMPARE(records().first().cityLatitude(3), 0.0f);
        QCOMPARE(records().first().cityLongitude(3), -122.332069f);
        QCOMPARE(segues.size(), 2);
        QCOMPARE(segues.last().first().toString(), QString("unwindToMap"));
    }

    void severalRecordsChangeNothing() {
        MainLocations one, two;
        one.setCityName(1, "One");
        two.setCityName(1, "Two");
        QVERIFY(store().insert(one) && store().insert(two) && store().save());
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        MapSetupViewController screen;
        screen.viewDidLoad();
        QCOMPARE(screen.StartingCityTextField()->text(), QString("One"));
        screen.StartingCityTextField()->setText("Changed");
        screen.SaveButtonCicked();
        QCOMPARE(records().first().cityName(1), QString("One"));
        QCOMPARE(records().last().cityName(1), QString("Two"));
        QCOMPARE(segues.size(), 1);
    }

    void coordinateReading_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<float>("stored");
        QTest::newRow("point") << "en_US"
                               << "40.76078" << true << 40.76078f;
        QTest::newRow("as shown in German") << "de_DE"
                                            << "40,760780" << true << 40.76078f;
        QTest::newRow("point in German too") << "de_DE"
                                             << "40.5" << true << 40.5f;
        QTest::newRow("decimal comma in English") << "en_US"
                                                  << "40,5" << false << 0.0f;
        QTest::newRow("letters") << "en_US"
                                 << "north" << false << 0.0f;
        QTest::newRow("trailing text") << "en_US"
                                       << "40.5N" << false << 0.0f;
    }
    void coordinateReading() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, saved);
        QFETCH(float, stored);
        Formatting::setLocale(locale);
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        MapSetupViewController screen;
        screen.viewDidLoad();
        screen.City4LongitudeTextField()->setText(text);
        screen.SaveButtonCicked();
        QCOMPARE(records().size(), saved ? 1 : 0);
        QCOMPARE(segues.size(), saved ? 1 : 0);
        QCOMPARE(AlertPresenter::instance()->showing(), !saved);
        if (saved) {
            QCOMPARE(records().first().cityLongitude(4), stored);
        } else {
            QCOMPARE(AlertPresenter::instance()->title(), QString("Not a Number"));
            QVERIFY(AlertPresenter::instance()->message().contains("longitude of the city 4"));
        }
    }
};

QTEST_GUILESS_MAIN(MapSetupTest)
#include "tst_map_setup.moc"
