#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "summary/TotalsViewController.h"

#include <QtTest>

struct Session {
    QDate day;
    QString calories;
    QString distance;
};
using Sessions = QList<Session>;

class TotalsTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static void store(const Sessions &sessions) {
        for (const Session &s : sessions)
            addSession(QDateTime(s.day, QTime(8, 0)), s.calories, s.distance);
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

    // Calories are powers of ten, so each sum tells exactly which sessions it took. The page test
    // picks a date in March; here December, whose month and year end together, on its first day.
    void periodsOfDecember() {
        store({{QDate(2022, 12, 31), "1", "1"},
               {QDate(2023, 1, 1), "10", "1"},
               {QDate(2023, 3, 5), "100", "1"},
               {QDate(2023, 12, 31), "1000", "1"},
               {QDate(2024, 1, 2), "10000", "1"}});
        TotalsViewController c;
        c.viewDidLoad();
        c.rangeDatePickerChanged(QDateTime(QDate(2023, 12, 1), QTime(23, 30)));
        QCOMPARE(c.textLtdCals()->text(), "11,111.00");
        QCOMPARE(c.textYtdCals()->text(), "1,110.00");
        QCOMPARE(c.textMtdCals()->text(), "1,000.00");
        QCOMPARE(c.recordCount(), qint64(1)); // the block computed last is the month's
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
        QTest::newRow("mi, past Seattle counts to 6585")
            << "Miles"
            << "3500" << QStringList{done, done, "3,085.00 To Go", "1,743.00 To Go"};
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
