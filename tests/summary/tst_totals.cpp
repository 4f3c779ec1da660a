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
