#include "DataDirectory.h"
#include "log/EnterTreadmillDataViewController.h"
#include "log/MasterViewController.h"
#include "log/SessionRules.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "platform/AlertPresenter.h"
#include "platform/Navigator.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

class SessionEntryTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
    }

    // The page test types a letter, a second point and a fourth decimal; here the other edits.
    void numericFilter_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("location");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("three decimals") << "12.34" << 5 << 0 << "5" << true;
        QTest::newRow("blank") << "12" << 2 << 0 << " " << false;
        QTest::newRow("pasted number") << "" << 0 << 0 << "250.5" << true;
        QTest::newRow("minus anywhere") << "-5" << 0 << 0 << "-" << true;
        QTest::newRow("digit before the point") << "1.234" << 0 << 0 << "9" << true;
        QTest::newRow("range beyond the text") << "12" << 5 << 1 << "x" << true;
        QTest::newRow("replacing the point keeps decimals") << "1.2345" << 1 << 1 << "" << true;
    }
    void numericFilter() {
        QFETCH(QString, before);
        QFETCH(int, location);
        QFETCH(int, length);
        QFETCH(QString, replacement);
        QFETCH(bool, accepted);
        QCOMPARE(SessionRules::acceptsEdit(before, location, length, replacement), accepted);
    }

    // Text that passed the filter but is no number: fat calories stay as they were, laps read
    // the leading number, 0 when there is none; an empty field derives nothing.
    void derivedFields_data() {
        QTest::addColumn<QStringList>("typed");   // calories, distance
        QTest::addColumn<QStringList>("derived"); // fat calories, laps
        QTest::newRow("not numbers") << QStringList{"5-", "--5"} << QStringList{"kept", "0.00"};
        QTest::newRow("leading number") << QStringList{"-", "2.5-"} << QStringList{"kept", "10.00"};
        QTest::newRow("empty") << QStringList{"", ""} << QStringList{"kept", "kept"};
    }
    void derivedFields() {
        QFETCH(QStringList, typed);
        EnterTreadmillDataViewController screen;
        screen.viewDidLoad();
        screen.textFatCalories()->setText("kept");
        screen.textLaps()->setText("kept");
        screen.textCalories()->setText(typed[0]);
        screen.CalculateFatCals();
        screen.textDistance()->setText(typed[1]);
        screen.calculateLaps();
        QTEST(QStringList({screen.textFatCalories()->text(), screen.textLaps()->text()}),
              "derived");
    }

    // The page tests are refused a session without a distance; the date and calories count too.
    void requiredFields_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("calories");
        QTest::newRow("no date") << QString() << "100";
        QTest::newRow("no calories") << "Mar 5, 2026" << QString();
    }
    void requiredFields() {
        QFETCH(QString, date);
        QFETCH(QString, calories);
        QVERIFY(!SessionRules::hasRequiredFields(date, calories, QStringLiteral("3")));
    }

    // A save the store refuses once left the shared connection's transaction open, and the
    // next deletion and the save at quitting stopped the program.
    void refusedSaveLeavesTheStoreUsable_data() {
        QTest::addColumn<QString>("raise");
        QTest::newRow("statement refused") << "ABORT";
        QTest::newRow("transaction ended by the store") << "ROLLBACK";
    }
    void refusedSaveLeavesTheStoreUsable() {
        QFETCH(QString, raise);
        Context &context = AppDelegate::shared()->persistentContainer();
        UserData kept;
        kept.setCalories("100");
        QVERIFY(context.insert(kept) && context.save());
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "trigger");
            db.setDatabaseName(AppDelegate::storePath());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec("CREATE TRIGGER refuse BEFORE INSERT ON UserData WHEN "
                                       "NEW.calories = '666' BEGIN SELECT RAISE(" +
                                       raise + ", 'refused'); END"));
        }
        QSqlDatabase::removeDatabase("trigger");

        EnterTreadmillDataViewController screen;
        screen.DateEntered();
        screen.textCalories()->setText("666");
        screen.textDistance()->setText("3");
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused")); // the store
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused")); // the screen
        screen.btnSavedPressed();
        QCOMPARE(segues.count(), 1); // the person is taken back as after any save
        QVERIFY(screen.textCalories()->text().isEmpty());
        QCOMPARE(context.count(UserData::fetchRequest()), 1);

        MasterViewController list;
        list.viewDidLoad();
        list.deleteRow(0);
        QString fatal;
        AppDelegate::setFatalHandler([&](const QString &message) { fatal = message; });
        AppDelegate::shared()->saveChanges();
        AppDelegate::setFatalHandler({});
        QCOMPARE(fatal, QString());
        QCOMPARE(AppDelegate::shared()->newContainer()->count(UserData::fetchRequest()), 0);
    }
};

QTEST_MAIN(SessionEntryTest)
#include "tst_session_entry.moc"
