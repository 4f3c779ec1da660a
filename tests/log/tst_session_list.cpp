#include "DataDirectory.h"
#include "SessionFixture.h"
#include "log/MasterTableViewCell.h"
#include "log/MasterViewController.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/Navigator.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QtTest>

class SessionListTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static QDateTime day(int y, int m, int d, int hour = 8) {
        return QDateTime(QDate(y, m, d), QTime(hour, 0));
    }

    static QStringList column(const QAbstractItemModel *model, int role) {
        QStringList out;
        for (int row = 0; row < model->rowCount(); ++row)
            out << model->index(row, 0).data(role).toString();
        return out;
    }

private slots:
    void init() { m_dir.fresh(); }

    void rowTexts_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("laps");
        QTest::addColumn<QString>("second");
        // The page test shows a plain miles row and a kilometre row; these are the others.
        QTest::newRow("any other unit is kilometres")
            << "Furlongs"
            << "31.171967"
            << ""
            << "Cals: 300  Fat Cals: 31.17  km: 3.5  Laps: ";
        QTest::newRow("half-way rounds as printf")
            << "Miles"
            << "0.125"
            << "1"
            << "Cals: 300  Fat Cals:  0.12  Miles: 3.5  Laps: 1";
        // Not a number: shown as stored rather than as an invented figure.
        QTest::newRow("empty fat calories") << "Miles"
                                            << ""
                                            << "2"
                                            << "Cals: 300  Fat Cals:    Miles: 3.5  Laps: 2";
        QTest::newRow("fat calories not a number") << "Kilometers"
                                                   << "5-"
                                                   << "2"
                                                   << "Cals: 300  Fat Cals: 5-  km: 3.5  Laps: 2";
    }
    void rowTexts() {
        QFETCH(QString, unit);
        QFETCH(QString, fat);
        QFETCH(QString, laps);
        QFETCH(QString, second);
        AppState::instance()->setDistanceUnit(unit);
        addSession(day(2026, 3, 5), "300", "3.5", fat, laps);
        MasterViewController screen;
        screen.viewDidLoad();
        const QModelIndex row = screen.DailyList()->index(0, 0);
        QCOMPARE(row.data(SessionListModel::FirstLabelRole).toString(), QString("Mar 5, 2026"));
        QCOMPARE(row.data(SessionListModel::SecondLabelRole).toString(), second);
        AppState::instance()->setDistanceUnit("Miles");
    }

    void firstLineWithoutTreadDate_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<std::optional<qint64>>("month");
        QTest::addColumn<std::optional<qint64>>("day");
        QTest::addColumn<QString>("first");
        QTest::newRow("imported") << "2019" << std::optional<qint64>(3) << std::optional<qint64>(5)
                                  << "3/5/19 : 2019 : 3 : 5";
        QTest::newRow("no month or day") << "2019" << std::optional<qint64>()
                                         << std::optional<qint64>() << "3/5/19 : 2019 : 0 : 0";
        QTest::newRow("nothing but the text")
            << "" << std::optional<qint64>() << std::optional<qint64>() << "3/5/19 :  : 0 : 0";
    }
    void firstLineWithoutTreadDate() {
        QFETCH(QString, year);
        QFETCH(std::optional<qint64>, month);
        QFETCH(std::optional<qint64>, day);
        QFETCH(QString, first);
        UserData s;
        s.setDate("3/5/19");
        s.setYear(year);
        s.setImonth(month);
        s.setIday(day);
        QCOMPARE(MasterTableViewCell::firstLine(s), first);
        // Absent figures show as nothing.
        QCOMPARE(MasterTableViewCell::secondLine(s, true),
                 QString("Cals:   Fat Cals:    Miles:   Laps: "));
    }

    void deletingEveryRow() {
        addSession(day(2026, 3, 1), "100", "1");
        addSession(day(2026, 3, 2), "200", "2");
        MasterViewController screen;
        QAbstractItemModelTester tester(screen.DailyList(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        screen.viewDidLoad();
        // Read the rows first so the deletion also has cached rows to drop.
        column(screen.DailyList(), SessionListModel::FirstLabelRole);
        screen.deleteRow(1);
        screen.deleteRow(0);
        QCOMPARE(screen.DailyList()->rowCount(), 0);
        QCOMPARE(screen.titleForHeader(), QString("Total # of Treadmill Days: 0"));
        QCOMPARE(AppDelegate::shared()->newContainer()->count(UserData::fetchRequest()), 0);
        screen.deleteRow(0); // nothing left: no harm
    }

    // The page tests open rows; a session deleted elsewhere is not opened, and the list shows
    // the store again.
    void selectingADeletedSessionReloads() {
        addSession(day(2026, 3, 1), "100", "1");
        const UserData gone = addSession(day(2026, 3, 2), "200", "2");
        MasterViewController screen;
        screen.viewDidLoad();
        column(screen.DailyList(), SessionListModel::FirstLabelRole); // rows read before
        auto other = AppDelegate::shared()->newContainer();
        other->remove(other->refetch(gone));
        QVERIFY(other->save());
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        screen.selectRow(0);
        QCOMPARE(segues.count(), 0);
        QCOMPARE(screen.DailyList()->rowCount(), 1);
    }

    void manySessionsLoadOnlyWhatIsShown() {
        auto bulk = AppDelegate::shared()->newContainer();
        for (int i = 0; i < 3000; ++i) {
            const QDate d(2000 + i % 25, 1 + i % 12, 1 + i % 28);
            UserData s;
            s.setTreadDate(QDateTime(d, QTime(8, 0)));
            s.setCalories(QString::number(i));
            s.setDistance("1");
            bulk->insert(s);
        }
        QVERIFY(bulk->save());
        MasterViewController screen;
        QAbstractItemModelTester tester(screen.DailyList());
        screen.viewDidLoad();
        QCOMPARE(screen.DailyList()->rowCount(), 3000);
        // Rows read far apart still agree with the store's order (days run 2000-01-01 to
        // 2024-12-28).
        const QStringList firsts = column(screen.DailyList(), SessionListModel::FirstLabelRole);
        QCOMPARE(firsts.first(), QString("Dec 28, 2024"));
        QCOMPARE(firsts.last(), QString("Jan 1, 2000"));
    }
};

QTEST_MAIN(SessionListTest)
#include "tst_session_list.moc"
