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

    static QDateTime day(int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(8, 0)); }

    static QStringList column(const QAbstractItemModel *model, int role) {
        QStringList out;
        for (int row = 0; row < model->rowCount(); ++row)
            out << model->index(row, 0).data(role).toString();
        return out;
    }

private slots:
    void init() { m_dir.fresh(); }

    // The page test shows a plain miles row and a kilometre row; these are the others. Fat
    // calories that are not a number show as stored rather than as an invented figure.
    void rowTexts_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QStringList>("stored"); // fat calories, laps
        QTest::addColumn<QString>("second");
        QTest::newRow("any other unit is kilometres")
            << "Furlongs" << QStringList{"31.171967", ""}
            << "Cals: 300  Fat Cals: 31.17  km: 3.5  Laps: ";
        QTest::newRow("half-way rounds as printf")
            << "Miles" << QStringList{"0.125", "1"}
            << "Cals: 300  Fat Cals:  0.12  Miles: 3.5  Laps: 1";
        QTest::newRow("fat calories not a number") << "Kilometers" << QStringList{"5-", "2"}
                                                   << "Cals: 300  Fat Cals: 5-  km: 3.5  Laps: 2";
    }
    void rowTexts() {
        QFETCH(QString, unit);
        QFETCH(QStringList, stored);
        AppState::instance()->setDistanceUnit(unit);
        addSession(day(2026, 3, 5), "300", "3.5", stored[0], stored[1]);
        MasterViewController screen;
        screen.viewDidLoad();
        const QModelIndex row = screen.DailyList()->index(0, 0);
        QCOMPARE(row.data(SessionListModel::FirstLabelRole).toString(), QString("Mar 5, 2026"));
        QTEST(row.data(SessionListModel::SecondLabelRole).toString(), "second");
    }

    // The page test shows imported rows; with no year, month or day those parts show as nothing
    // and 0, and absent figures as nothing.
    void firstLineWithoutTreadDate() {
        UserData s;
        s.setDate("3/5/19");
        QCOMPARE(MasterTableViewCell::firstLine(s), QString("3/5/19 :  : 0 : 0"));
        QCOMPARE(MasterTableViewCell::secondLine(s, true),
                 QString("Cals:   Fat Cals:    Miles:   Laps: "));
    }

    // The page tests open and swipe away rows; a session deleted elsewhere is not opened and
    // the list shows the store again, and deleting every row left empties it harmlessly.
    void deletedSessions() {
        addSession(day(2026, 3, 1), "100", "1");
        const UserData gone = addSession(day(2026, 3, 2), "200", "2");
        addSession(day(2026, 3, 3), "300", "3");
        MasterViewController screen;
        QAbstractItemModelTester tester(screen.DailyList(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        screen.viewDidLoad();
        // Rows read first, so the reload and the deletions also have cached rows to drop.
        column(screen.DailyList(), SessionListModel::FirstLabelRole);
        auto other = AppDelegate::shared()->newContainer();
        other->remove(other->refetch(gone));
        QVERIFY(other->save());
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        screen.selectRow(1);
        QCOMPARE(segues.count(), 0);
        QCOMPARE(column(screen.DailyList(), SessionListModel::FirstLabelRole),
                 QStringList({"Mar 3, 2026", "Mar 1, 2026"}));
        screen.deleteRow(1);
        screen.deleteRow(0);
        QCOMPARE(screen.DailyList()->rowCount(), 0);
        QCOMPARE(screen.titleForHeader(), QString("Total # of Treadmill Days: 0"));
        QCOMPARE(AppDelegate::shared()->newContainer()->count(UserData::fetchRequest()), 0);
        screen.deleteRow(0); // nothing left: no harm
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
        // Rows far apart keep the store's order (days run 2000-01-01 to 2024-12-28).
        const QStringList firsts = column(screen.DailyList(), SessionListModel::FirstLabelRole);
        QCOMPARE(firsts.first(), QString("Dec 28, 2024"));
        QCOMPARE(firsts.last(), QString("Jan 1, 2000"));
    }
};

QTEST_MAIN(SessionListTest)
#include "tst_session_list.moc"
