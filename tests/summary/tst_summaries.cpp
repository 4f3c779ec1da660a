#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/YearlyData.h"
#include "platform/Formatting.h"
#include "summary/DailyTableViewController.h"
#include "summary/MonthlyTableViewController.h"
#include "summary/YearlyTableViewController.h"

#include <QAbstractItemModelTester>
#include <QtTest>

// A session as the entry screen stores it: day, distance and the other figures.
struct Session {
    QDate day;
    QString distance;
    QString calories = QStringLiteral("300");
    QString fatCalories = QStringLiteral("93.52");
    QString laps = QStringLiteral("4.00");
};
using Sessions = QList<Session>;
using Texts = QStringList;
Q_DECLARE_METATYPE(Session)

class SummariesTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static void store(const Sessions &sessions) {
        for (const Session &s : sessions)
            addSession(QDateTime(s.day, QTime(7, 30)), s.calories, s.distance, s.fatCalories,
                       s.laps);
    }

    // The stored per-year records as "year/imonth/sumMiles", in store order.
    static Texts storedYears() {
        Texts out;
        const auto records = AppDelegate::shared()->persistentContainer().fetchAs<YearlyData>(
            YearlyData::fetchRequest());
        for (const YearlyData &r : records)
            out << QStringLiteral("%1/%2/%3")
                       .arg(r.year())
                       .arg(r.imonth())
                       .arg(Formatting::shortestFloat(r.sumMiles()));
        return out;
    }

    static Texts column(const RowListModel *model, const QString &key) {
        Texts out;
        for (const QVariantMap &row : model->rows())
            out << row.value(key).toString();
        return out;
    }

private slots:
    void init() {
        m_dir.fresh();
        Formatting::setLocale(QStringLiteral("en_US"));
    }

    // Every rebuild replaces the stale record of 1999 unless there are no sessions at all. The page
    // test sorts both ways; here a distance that is not a number, late years and float sums.
    void yearlyRebuild_data() {
        QTest::addColumn<Sessions>("sessions");
        QTest::addColumn<int>("sortTaps");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<Texts>("rows");
        QTest::addColumn<Texts>("stored");

        QTest::newRow("a year whose only session comes last")
            << Sessions{{QDate(2024, 2, 1), "1"}, {QDate(2019, 11, 5), "7km"}} << 0 << "Miles"
            << Texts{"Year = 2024      Miles = 1.0", "Year = 2019      Miles = 7.0"}
            << Texts{"2024/11/1.0", "2019/11/7.0"};
        QTest::newRow("float text of the sum, kilometres")
            << Sessions{{QDate(2020, 1, 1), "0.1"},
                        {QDate(2020, 1, 2), "0.2"},
                        {QDate(2018, 1, 1), "2447.99999999"},
                        {QDate(2017, 6, 1), "16777216"},
                        {QDate(2017, 6, 2), "1"}}
            << 0 << "Kilometers"
            << Texts{"Year = 2020      km = 0.3", "Year = 2018      km = 2448.0",
                     "Year = 2017      km = 16777216.0"}
            << Texts{"2020/1/0.3", "2018/6/2448.0", "2017/6/16777216.0"};
        QTest::newRow("no sessions keep the old records")
            << Sessions{} << 1 << "Miles" << Texts{} << Texts{"1999/4/5.0"};
    }

    void yearlyRebuild() {
        QFETCH(Sessions, sessions);
        QFETCH(int, sortTaps);
        QFETCH(QString, unit);
        QFETCH(Texts, rows);
        QFETCH(Texts, stored);
        YearlyData stale;
        stale.setYear(1999);
        stale.setImonth(4);
        stale.setSumMiles(5);
        Context &context = AppDelegate::shared()->persistentContainer();
        QVERIFY(context.insert(stale) && context.save());
        store(sessions);
        AppState::instance()->setDistanceUnit(unit);

        YearlyTableViewController c;
        QAbstractItemModelTester tester(c.YearArray());
        c.viewDidLoad();
        for (int i = 0; i < sortTaps; ++i)
            c.SortButtonTapped();
        QCOMPARE(column(c.YearArray(), QStringLiteral("dateLabel")), rows);
        QCOMPARE(storedYears(), stored);
        QCOMPARE(c.recordCount(), qint64(sessions.size()));
    }

    void yearlyChart() {
        store({{QDate(2022, 4, 1), "1"}, {QDate(2023, 9, 1), "2"}});
        YearlyTableViewController c;
        c.viewDidLoad();
        // The page test opens years by row and by bar; here the bars' heights.
        QCOMPARE(column(c.yearBars(), QStringLiteral("fraction")), (Texts{"0.5", "1"}));
    }

    // The picked year's months only (the page test sums miles); a distance that is not wholly a
    // number is skipped.
    void monthlySums() {
        store({{QDate(2023, 6, 1), "3.5km"},
               {QDate(2023, 6, 2), "1"},
               {QDate(2023, 6, 3), ""},
               {QDate(2023, 6, 4), " 2"}});
        AppState::instance()->setDistanceUnit(QStringLiteral("Kilometers"));
        AppState::instance()->setAppSelectedYear(2023);

        MonthlyTableViewController c;
        c.viewDidLoad();
        Texts expected(12, QStringLiteral("km = 0.000"));
        expected[5] = QStringLiteral("km = 1.000");
        QCOMPARE(column(c.monthRows(), QStringLiteral("milesLabel")), expected);
    }

    void dailyDetail_data() {
        QTest::addColumn<Session>("session");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("detail");
        const QDate day(2023, 3, 5);
        QTest::newRow("fat calories as stored when not a number")
            << Session{day, "1", "22", "n/a", "3"} << "Miles"
            << "Cals: 22  Fat Cals: n/a  Miles: 1  Laps: 3";
        QTest::newRow("empty fat calories") << Session{day, "1", "22", "", "3"} << "Kilometers"
                                            << "Cals: 22  Fat Cals:   km: 1  Laps: 3";
    }

    void dailyDetail() {
        QFETCH(Session, session);
        QFETCH(QString, unit);
        QFETCH(QString, detail);
        // Same month of another year and another month of the year stay out.
        store({session, {QDate(2022, 3, 5), "9"}, {QDate(2023, 4, 5), "9"}});
        AppState::instance()->setDistanceUnit(unit);
        AppState::instance()->setAppSelectedYear(2023);
        AppState::instance()->setAppSelectedMonth(3);

        DailyTableViewController c;
        c.viewDidLoad();
        QCOMPARE(column(c.resultsDaily(), QStringLiteral("detailTextLabel")), Texts{detail});
    }
};

QTEST_GUILESS_MAIN(SummariesTest)
#include "tst_summaries.moc"
