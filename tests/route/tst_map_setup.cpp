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

class MapSetupTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    Context &store() { return AppDelegate::shared()->persistentContainer(); }
    QList<MainLocations> records() {
        return store().fetchAs<MainLocations>(MainLocations::fetchRequest());
    }

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
        Formatting::setLocale("en_US");
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

    // The page test saves points, reopens and is refused a letter; here the other readings.
    void coordinateReading_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<float>("stored");
        QTest::newRow("as shown in German") << "de_DE"
                                            << "40,760780" << true << 40.76078f;
        QTest::newRow("point in German too") << "de_DE"
                                             << "40.5" << true << 40.5f;
        QTest::newRow("decimal comma in English") << "en_US"
                                                  << "40,5" << false << 0.0f;
        QTest::newRow("trailing text") << "en_US"
                                       << "40.5N" << false << 0.0f;
        QTest::newRow("empty is 0") << "en_US"
                                    << "" << true << 0.0f;
    }
    void coordinateReading() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, saved);
        QFETCH(float, stored);
        Formatting::setLocale(locale);
        MapSetupViewController screen;
        screen.viewDidLoad();
        screen.City4LongitudeTextField()->setText(text);
        screen.SaveButtonCicked();
        QCOMPARE(records().size(), saved ? 1 : 0);
        QCOMPARE(AlertPresenter::instance()->showing(), !saved);
        if (saved)
            QCOMPARE(records().first().cityLongitude(4), stored);
    }
};

QTEST_GUILESS_MAIN(MapSetupTest)
#include "tst_map_setup.moc"
