#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
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
        AppState::instance()->reset();
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

        const Sessions three{{QDate(2021, 3, 2), "10"},
                             {QDate(2021, 5, 9), "2.5"},
                             {QDate(2022, 1, 4), "100"},
                             {QDate(2023, 7, 1), "3.5km"},
                             {QDate(2023, 8, 30), "abc"}};
        QTest::newRow("newest first; closing month from the next year's first session")
            << three << 0 << "Miles"
            << Texts{"Year = 2023      Miles = 3.5", "Year = 2022      Miles = 100.0",
                     "Year = 2021      Miles = 12.5"}
            << Texts{"2023/1/3.5", "2022/5/100.0", "2021/3/12.5"};
        QTest::newRow("a year whose only session comes last")
            << Sessions{{QDate(2024, 2, 1), "1"}, {QDate(2019, 11, 5), "7"}} << 0 << "Miles"
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
        QCOMPARE(c.titleForHeader(), QString::number(rows.size()) + " Years Logged So Far");
    }

    void yearlyChart() {
        store({{QDate(2022, 4, 1), "1"}, {QDate(2023, 9, 1), "2"}});
        YearlyTableViewController c;
        c.viewDidLoad();
        // The page test opens years by row and by bar; here the chart's own figures.
        // The chart reads oldest to newest and a bar names the row it opens.
        QCOMPARE(column(c.yearBars(), QStringLiteral("label")), (Texts{"2022", "2023"}));
        QCOMPARE(column(c.yearBars(), QStringLiteral("row")), (Texts{"1", "0"}));
        QCOMPARE(column(c.yearBars(), QStringLiteral("fraction")), (Texts{"0.5", "1"}));
    }

    // The picked year's months only (the page test sums miles); a distance that is not wholly a
    // number is skipped.
    void monthlySums_data() {
        QTest::addColumn<Sessions>("sessions");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("milesLabel");

        const Sessions march{{QDate(2023, 3, 5), "3.5"},
                             {QDate(2023, 3, 20), "2.25"},
                             {QDate(2022, 3, 5), "100"},
                             {QDate(2024, 3, 5), "100"}};
        QTest::newRow("kilometres") << march << "Kilometers" << 3 << "km = 5.750";
        QTest::newRow("not wholly a number is skipped") << Sessions{{QDate(2023, 6, 1), "3.5km"},
                                                                    {QDate(2023, 6, 2), "1"},
                                                                    {QDate(2023, 6, 3), ""},
                                                                    {QDate(2023, 6, 4), " 2"}}
                                                        << "Miles" << 6 << "Miles = 1.000";
        QTest::newRow("no grouping")
            << Sessions{{QDate(2023, 12, 1), "1234.5"}} << "Miles" << 12 << "Miles = 1234.500";
    }

    void monthlySums() {
        QFETCH(Sessions, sessions);
        QFETCH(QString, unit);
        QFETCH(int, month);
        QFETCH(QString, milesLabel);
        store(sessions);
        AppState::instance()->setDistanceUnit(unit);
        AppState::instance()->setAppSelectedYear(2023);

        MonthlyTableViewController c;
        c.viewDidLoad();
        const Texts labels = column(c.monthRows(), QStringLiteral("milesLabel"));
        QCOMPARE(labels.size(), 12);
        for (int m = 1; m <= 12; ++m)
            QCOMPARE(labels.at(m - 1), m == month        ? milesLabel
                                       : unit == "Miles" ? "Miles = 0.000"
                                                         : "km = 0.000");
    }

    void dailyDetail_data() {
        QTest::addColumn<Session>("session");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("detail");
        const QDate day(2023, 3, 5);
        QTest::newRow("kilometres") << Session{day, "3.2", "300", "45", "12"} << "Kilometers"
                                    << "Cals: 300  Fat Cals: 45.00  km: 3.2  Laps: 12";
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
        QCOMPARE(column(c.resultsDaily(), QStringLiteral("textLabel")),
                 Texts{QStringLiteral("Mar 5, 2023")});
    }
};

QTEST_GUILESS_MAIN(SummariesTest)
#include "tst_summaries.moc"
