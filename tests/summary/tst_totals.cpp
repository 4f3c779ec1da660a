#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppState.h"
#include "platform/Formatting.h"
#include "summary/TotalsViewController.h"

#include <QtTest>

class TotalsTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static QStringList legs(const TotalsViewController &c) {
        return {c.FirstCityTextField()->text(), c.SecondCityTextField()->text(),
                c.ThirdCityTextField()->text(), c.FourthCityTextField()->text()};
    }

private slots:
    void init() {
        m_dir.fresh();
        Formatting::setLocale(QStringLiteral("en_US"));
    }

    // Calories are powers of ten, so each sum tells exactly which sessions it took. The page test
    // picks a date in March; here December, whose month and year end together, on its first day.
    void periodsOfDecember() {
        addSession(QDateTime(QDate(2022, 12, 31), QTime(8, 0)), "1", "1");
        addSession(QDateTime(QDate(2023, 1, 1), QTime(8, 0)), "10", "1");
        addSession(QDateTime(QDate(2023, 3, 5), QTime(8, 0)), "100", "1");
        addSession(QDateTime(QDate(2023, 12, 31), QTime(8, 0)), "1000", "1");
        addSession(QDateTime(QDate(2024, 1, 2), QTime(8, 0)), "10000", "1");
        TotalsViewController c;
        c.viewDidLoad();
        c.rangeDatePickerChanged(QDateTime(QDate(2023, 12, 1), QTime(23, 30)));
        QCOMPARE(c.textLtdCals()->text(), "11,111.00");
        QCOMPARE(c.textYtdCals()->text(), "1,110.00");
        QCOMPARE(c.textMtdCals()->text(), "1,000.00");
        QCOMPARE(c.recordCount(), qint64(1)); // the block computed last is the month's
    }

    // Double addition is not associative: these three fat calories make 467.5794999... added
    // newest first and 467.5795000... oldest first, which the formatter shows as 467.579 and
    // 467.58. Life to date adds newest day first, the year and the month in `date` text order,
    // whatever order the sessions were stored in or their distances index them by.
    void additionOrder_data() {
        QTest::addColumn<QList<QDate>>("days"); // stored in this order
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QStringList>("fatShown"); // life, year, month to date
        const QList<QDate> january{QDate(2026, 1, 5), QDate(2026, 1, 6), QDate(2026, 1, 7)};
        QTest::newRow("stored oldest first")
            << january << QDate(2026, 1, 20) << QStringList{"467.579", "467.58", "467.58"};
        QTest::newRow("stored newest first")
            << QList<QDate>{january.rbegin(), january.rend()} << QDate(2026, 1, 20)
            << QStringList{"467.579", "467.58", "467.58"};
        // "Feb 1, 2026" sorts before "Jan 30, 2026": the year adds February first.
        QTest::newRow("date text order is not the calendar's")
            << QList<QDate>{QDate(2026, 1, 30), QDate(2026, 2, 1), QDate(2026, 2, 2)}
            << QDate(2026, 2, 20) << QStringList{"467.579", "467.579", "284.288"};
    }

    void additionOrder() {
        QFETCH(QList<QDate>, days);
        QFETCH(QDate, picked);
        QFETCH(QStringList, fatShown);
        const QStringList fat{"183.29117", "145.26137", "139.02696"}; // by day, oldest first
        QList<QDate> byDay = days;
        std::sort(byDay.begin(), byDay.end());
        // Distances fall as the days rise, so an index on them runs newest first.
        for (const QDate &day : days) {
            const qsizetype i = byDay.indexOf(day);
            addSession(QDateTime(day, QTime(8, 0)), "1", QString::number(3 - i), fat.at(i));
        }
        TotalsViewController c;
        c.viewDidLoad();
        c.rangeDatePickerChanged(QDateTime(picked, QTime(8, 0)));
        QCOMPARE((QStringList{c.textLtdFatCals()->text(), c.textYtdFatCals()->text(),
                              c.textMtdFatCals()->text()}),
                 fatShown);
    }

    // The page test shows the panel with nothing walked yet.
    void routePanel_data() {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("unit");
        const QString done = QStringLiteral("Completed");
        QTest::newRow("mi, exactly 2448 is not past SLC")
            << "2448"
            << QStringList{"0.00 To Go", "840.00 To Go", "3,257.00 To Go", "1,743.00 To Go"}
            << "Miles";
        QTest::newRow("mi, a hair past SLC")
            << "2448.001" << QStringList{done, "879.999 To Go", "3,257.00 To Go", "1,743.00 To Go"}
            << "Miles";
        QTest::newRow("mi, past Seattle counts to 6585")
            << "3500" << QStringList{done, done, "3,085.00 To Go", "1,743.00 To Go"} << "Miles";
        QTest::newRow("mi, above 8288") << "9000" << QStringList(4, done) << "Miles";
        QTest::newRow("km, every city counts down from here")
            << "4000" << QStringList{done, "1,355.89 To Go", "6,597.53 To Go", "9,338.24 To Go"}
            << "Kilometers";
        QTest::newRow("km, exactly 13338.24")
            << "13338.24" << QStringList{done, done, done, "0.00 To Go"} << "Kilometers";
        QTest::newRow("km, above 13338.24") << "13338.241" << QStringList(4, done) << "Kilometers";
        QTest::newRow("another unit leaves the fields alone")
            << "5000" << QStringList(4, QString()) << "Leagues";
    }

    void routePanel() {
        QFETCH(QString, unit);
        QFETCH(QString, distance);
        QFETCH(QStringList, shown);
        AppState::instance()->setDistanceUnit(unit);
        // Split over two sessions: the panel works on the sum.
        addSession(QDateTime(QDate(2020, 1, 1), QTime(8, 0)), "1", "0");
        addSession(QDateTime(QDate(2020, 1, 2), QTime(8, 0)), "1", distance);
        TotalsViewController c;
        c.viewDidLoad();
        QCOMPARE(legs(c), shown);
        QCOMPARE(c.FirstCityTextField()->color().isValid(), !shown.first().isEmpty());
    }
};

QTEST_MAIN(TotalsTest)
#include "tst_totals.moc"
