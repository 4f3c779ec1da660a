#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "summary/TotalsViewController.h"

#include <QtTest>

struct Session {
    Session() = default;
    Session(QDate d, QString c, QString dist, QString fat = {}, QString l = {})
        : day(d), calories(std::move(c)), distance(std::move(dist)), fatCalories(std::move(fat)),
          laps(std::move(l)) {}
    QDate day;
    QString calories;
    QString distance;
    QString fatCalories;
    QString laps;
};
using Sessions = QList<Session>;
Q_DECLARE_METATYPE(Session)

class TotalsTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static void store(const Sessions &sessions) {
        for (const Session &s : sessions)
            addSession(QDateTime(s.day, QTime(8, 0)), s.calories, s.distance, s.fatCalories,
                       s.laps);
    }

    static QStringList texts(const QList<Outlet *> &outlets) {
        QStringList out;
        for (const Outlet *o : outlets)
            out << o->text();
        return out;
    }

    static QStringList legs(const TotalsViewController &c) {
        return texts({c.FirstCityTextField(), c.SecondCityTextField(), c.ThirdCityTextField(),
                      c.FourthCityTextField()});
    }

private slots:
    void init() {
        m_dir.fresh();
        Formatting::setLocale(QStringLiteral("en_US"));
    }

    // Calories are powers of ten, so each sum tells exactly which sessions it took.
    void periods_data() {
        QTest::addColumn<Sessions>("sessions");
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<QString>("ltdCalories");
        QTest::addColumn<QString>("ytdCalories");
        QTest::addColumn<QString>("mtdCalories");
        QTest::addColumn<qint64>("mtdCount");

        const Sessions spread{
            {QDate(2022, 12, 31), "1", "1"},    {QDate(2023, 1, 1), "10", "1"},
            {QDate(2023, 3, 5), "100", "1"},    {QDate(2023, 3, 28), "1000", "1"},
            {QDate(2023, 4, 1), "10000", "1"},  {QDate(2023, 12, 31), "100000", "1"},
            {QDate(2024, 1, 2), "1000000", "1"}};
        QTest::newRow("December takes the whole year")
            << spread << QDate(2023, 12, 1) << "1,111,111.00"
            << "111,110.00"
            << "100,000.00" << qint64(1);
        QTest::newRow("January: year to date is month to date")
            << spread << QDate(2024, 1, 31) << "1,111,111.00"
            << "1,000,000.00"
            << "1,000,000.00" << qint64(1);
        QTest::newRow("a year without sessions") << spread << QDate(2021, 6, 15) << "1,111,111.00"
                                                 << "0.00"
                                                 << "0.00" << qint64(0);
    }

    void periods() {
        QFETCH(Sessions, sessions);
        QFETCH(QDate, reference);
        store(sessions);
        TotalsViewController c;
        c.viewDidLoad();
        c.rangeDatePickerChanged(QDateTime(reference, QTime(23, 30)));
        QTEST(c.textLtdCals()->text(), "ltdCalories");
        QTEST(c.textYtdCals()->text(), "ytdCalories");
        QTEST(c.textMtdCals()->text(), "mtdCalories");
        // The block computed last is the month's.
        QTEST(c.recordCount(), "mtdCount");
    }

    // The first entry is the oldest session by year, month and day, not by its date text.
    void firstEntry() {
        store({{QDate(2023, 2, 1), "1", "1"},
               {QDate(2021, 11, 30), "1", "1"},
               {QDate(2021, 12, 1), "1", "1"}});
        TotalsViewController c;
        c.viewDidLoad();
        QCOMPARE(c.LTDTotalsLabel()->text(),
                 QStringLiteral("LTD Totals ( First Entry Nov 30, 2021 )"));
        QCOMPARE(c.textLtdCals()->text(), QStringLiteral("3.00"));
    }

    void routePanel_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QStringList>("shown");

        const QString done = QStringLiteral("Completed");
        // The page test shows the panel with nothing walked yet.
        QTest::newRow("mi, exactly 2448 is not past SLC")
            << "Miles"
            << "2448"
            << QStringList{"0.00 To Go", "840.00 To Go", "3,257.00 To Go", "1,743.00 To Go"};
        QTest::newRow("mi, a hair past SLC")
            << "Miles"
            << "2448.001" << QStringList{done, "879.999 To Go", "3,257.00 To Go", "1,743.00 To Go"};
        QTest::newRow("mi, exactly 3328")
            << "Miles"
            << "3328" << QStringList{done, "0.00 To Go", "3,257.00 To Go", "1,743.00 To Go"};
        QTest::newRow("mi, past Seattle counts to 6585")
            << "Miles"
            << "3500" << QStringList{done, done, "3,085.00 To Go", "1,743.00 To Go"};
        QTest::newRow("mi, exactly 6585")
            << "Miles"
            << "6585" << QStringList{done, done, "0.00 To Go", "1,743.00 To Go"};
        QTest::newRow("mi, exactly 8288") << "Miles"
                                          << "8288" << QStringList{done, done, done, "0.00 To Go"};
        QTest::newRow("mi, above 8288") << "Miles"
                                        << "9000" << QStringList(4, done);
        QTest::newRow("km, every city counts down from here")
            << "Kilometers"
            << "4000" << QStringList{done, "1,355.89 To Go", "6,597.53 To Go", "9,338.24 To Go"};
        QTest::newRow("km, exactly 13338.24")
            << "Kilometers"
            << "13338.24" << QStringList{done, done, done, "0.00 To Go"};
        QTest::newRow("km, above 13338.24") << "Kilometers"
                                            << "13338.241" << QStringList(4, done);
        QTest::newRow("another unit leaves the fields alone")
            << "Leagues"
            << "5000" << QStringList(4, QString());
    }

    void routePanel() {
        QFETCH(QString, unit);
        QFETCH(QString, distance);
        QFETCH(QStringList, shown);
        AppState::instance()->setDistanceUnit(unit);
        // Split over two sessions: the panel works on the sum.
        store({{QDate(2020, 1, 1), "1", "0"}, {QDate(2020, 1, 2), "1", distance}});
        TotalsViewController c;
        c.viewDidLoad();
        QCOMPARE(legs(c), shown);
        QCOMPARE(c.FirstCityTextField()->color().isValid(), !shown.first().isEmpty());
    }
};

QTEST_MAIN(TotalsTest)
#include "tst_totals.moc"
