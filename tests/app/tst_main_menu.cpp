#include "DataDirectory.h"
#include "SessionFixture.h"
#include "app/MainMenuViewController.h"
#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "model/Settings.h"
#include "model/UserData.h"

#include <QtTest>
#include <optional>

using Day = std::optional<qint64>;

class MainMenuTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    // A new run of the app on the same data directory: a fresh store connection, settings read
    // from the file again, the run's shared values back to their defaults.
    void reopenDataDirectory() { AppDelegate::setDataDirectory(m_dir.path()); }

    Context &store() { return AppDelegate::shared()->persistentContainer(); }

    UserData session(qint64 id) {
        UserData probe;
        probe.markStored(id);
        return UserData(store().refetch(probe));
    }

    bool hasPlace(const QString &name) {
        FetchRequest request = Locations::fetchRequest();
        request.where("name == %@", name);
        return store().count(request) > 0;
    }

    // The menu's start-up, as a new run of the app on the same data directory would do it.
    void start() {
        MainMenuViewController menu;
        menu.viewDidLoad();
        menu.viewWillAppear();
    }

private slots:
    // Start-up without reseeding unless a test stores its own flag.
    void init() {
        m_dir.fresh();
        Settings::standard().setString("FirstTime", "false");
    }

    // The page test sees the first start seed the places; here every other stored flag.
    void firstTimeRule_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("seeded");
        QTest::addColumn<QString>("after");
        QTest::newRow("true: second start, or asked for") << QVariant("true") << true << "false";
        QTest::newRow("other text") << QVariant("TRUE") << false << "TRUE";
        QTest::newRow("a stored boolean is not the text") << QVariant(true) << false << QString();
    }
    void firstTimeRule() {
        QFETCH(QVariant, stored);
        QFETCH(bool, seeded);
        QFETCH(QString, after);
        if (stored.typeId() == QMetaType::Bool)
            Settings::standard().setBool("FirstTime", stored.toBool());
        else if (stored.isValid())
            Settings::standard().setString("FirstTime", stored.toString());
        addPlace("Miami", "My Gym");
        start();
        QCOMPARE(hasPlace("My Gym"), !seeded);
        QCOMPARE(hasPlace("Denver, CO"), seeded);
        QCOMPARE(Settings::standard().string("FirstTime"), after);
    }

    void repair_data() {
        QTest::addColumn<QString>("yearText");
        QTest::addColumn<Day>("month");
        QTest::addColumn<Day>("day");
        QTest::addColumn<QDate>("expected"); // invalid: left as it was

        QTest::newRow("plain date") << "2021" << Day(3) << Day(2) << QDate(2021, 3, 2);
        QTest::newRow("day 30 of February") << "2021" << Day(2) << Day(30) << QDate(2021, 3, 2);
        QTest::newRow("month 13") << "2020" << Day(13) << Day(1) << QDate(2021, 1, 1);
        QTest::newRow("day 0") << "2021" << Day(3) << Day(0) << QDate(2021, 2, 28);
        QTest::newRow("day of the spring clock change")
            << "2021" << Day(3) << Day(14) << QDate(2021, 3, 14);
        QTest::newRow("no year") << QString() << Day(3) << Day(2) << QDate();
        QTest::newRow("no day") << "2021" << Day(3) << Day() << QDate();
        QTest::newRow("month beyond 16 bits") << "2021" << Day(70000) << Day(2) << QDate();
    }
    void repair() {
        QFETCH(QString, yearText);
        QFETCH(Day, month);
        QFETCH(Day, day);
        QFETCH(QDate, expected);
        const qint64 id = addImported("Mar 2, 2021", yearText, month, day).id();
        reopenDataDirectory();
        start();
        const UserData s = session(id);
        QCOMPARE(s.date(), QString("Mar 2, 2021"));
        if (!expected.isValid()) {
            QVERIFY(!s.treadDate().isValid());
            QCOMPARE(std::tuple(s.year(), s.iyear(), s.imonth(), s.iday()),
                     std::tuple(yearText, qint16(0), month, day));
            return;
        }
        QCOMPARE(s.treadDate(), expected.startOfDay());
        QCOMPARE(std::tuple(s.year(), s.iyear(), s.imonth(), s.iday()),
                 std::tuple(QString::number(expected.year()), qint16(expected.year()),
                            Day(expected.month()), Day(expected.day())));
    }

    void repairLeavesTwinsAndDatedSessions() {
        const qint64 twin1 = addImported("Jan 5, 2020", "2020", 1, 5).id();
        const qint64 twin2 = addImported("Jan 5, 2020", "2020", 1, 5).id();
        const QDateTime nineAm(QDate(2019, 7, 4), QTime(9, 0));
        UserData dated = addSession(nineAm, "300", "3.1");
        // Fields that disagree with treadDate show whether the repair touched it.
        dated.setYear("1999");
        dated.setImonth(1);
        QVERIFY(store().change(dated) && store().save());
        const qint64 single = addImported("Jan 6, 2020", "2020", 1, 6).id();
        reopenDataDirectory();
        start();
        QVERIFY(!session(twin1).treadDate().isValid());
        QVERIFY(!session(twin2).treadDate().isValid());
        const UserData d = session(dated.id());
        QCOMPARE(std::tuple(d.treadDate(), d.year(), d.imonth()),
                 std::tuple(nineAm, QString("1999"), Day(1)));
        QCOMPARE(session(single).treadDate(), QDate(2020, 1, 6).startOfDay());
    }

    // While another connection holds the store for writing, every save of the repair fails:
    // the start carries on with nothing half-written, and the next start repairs.
    void repairSurvivesFailedSaves() {
        const qint64 a = addImported("Jan 5, 2020", "2020", 1, 5).id();
        const qint64 b = addImported("Jan 6, 2020", "2020", 1, 6).id();
        reopenDataDirectory();
        Context blocker(AppDelegate::storePath());
        QVERIFY(blocker.open());
        Locations held;
        held.setName("held");
        QVERIFY(blocker.insert(held)); // an open write transaction, never saved

        store().setBusyTimeout(10);
        start();
        QVERIFY(!session(a).treadDate().isValid());
        QCOMPARE(session(b).iyear(), qint16(0));
        QVERIFY(!store().hasChanges());

        blocker.rollback();
        reopenDataDirectory();
        start();
        QCOMPARE(session(a).treadDate(), QDate(2020, 1, 5).startOfDay());
        QCOMPARE(session(b).treadDate(), QDate(2020, 1, 6).startOfDay());
    }
};

QTEST_GUILESS_MAIN(MainMenuTest)
#include "tst_main_menu.moc"
