#include "DataDirectory.h"
#include "SessionFixture.h"
#include "log/DetailViewController.h"
#include "log/EnterTreadmillDataViewController.h"
#include "model/AppDelegate.h"
#include "model/DefaultSettingsViewController.h"
#include "platform/AlertPresenter.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// A save that the device refuses (full, read-only) is reported on the screen that saved, keeps
// every earlier session and a sound store, and the next save after the cause is gone works.
class StoreFaultsTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    // The shared context's own connection: limits set on it hold for its writes only.
    static QString onStore(const QString &sql) {
        for (const QString &name : QSqlDatabase::connectionNames()) {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            if (db.databaseName() != AppDelegate::storePath())
                continue;
            QSqlQuery q(db);
            if (!q.exec(sql))
                return q.lastError().text();
            return q.next() ? q.value(0).toString() : QString();
        }
        return QStringLiteral("no connection");
    }
    static int sessionCount() {
        return AppDelegate::shared()->persistentContainer().count(UserData::fetchRequest());
    }
    static void enter(const QString &calories) {
        EnterTreadmillDataViewController screen;
        screen.DateEntered();
        screen.textCalories()->setText(calories);
        screen.textDistance()->setText("3.1");
        screen.btnSavedPressed();
    }
    static void editCalories(const UserData &session, const QString &calories) {
        DetailViewController screen;
        screen.setDetailItem(QVariant::fromValue<Record>(
            AppDelegate::shared()->persistentContainer().refetch(session)));
        screen.viewDidLoad();
        screen.caloriesTextField()->setText(calories);
        screen.saveRecord();
    }

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
    }

    void refusedSaveIsReported_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("cure");
        QTest::addColumn<QString>("message");
        // The store may not grow past the pages it has: SQLite's "database or disk is full".
        QTest::newRow("device full")
            << "PRAGMA max_page_count=%1"
            << "PRAGMA max_page_count=1000000"
            << "There is no room left on this device for this change. Free some space, then "
               "save it again. Everything saved before is kept.";
        QTest::newRow("read-only data")
            << "PRAGMA query_only=1"
            << "PRAGMA query_only=0"
            << "Pacelog's data folder is read-only, so this change could not be saved. "
               "Everything saved before is kept.";
    }
    void refusedSaveIsReported() {
        QFETCH(QString, fault);
        QFETCH(QString, cure);
        QFETCH(QString, message);
        const UserData first = addSession(QDateTime(QDate(2026, 3, 1), QTime(7, 0)), "300", "3");
        onStore(fault.replace("%1", onStore("PRAGMA page_count")));
        // Fill the last page: sessions are stored until the store refuses one.
        Context &context = AppDelegate::shared()->persistentContainer();
        for (int i = 0; i < 1000; ++i) {
            UserData filler;
            filler.setCalories(QString::number(400 + i));
            if (!context.insert(filler) || !context.save())
                break;
        }
        const int before = sessionCount();
        const QString longer(100, QLatin1Char('6')); // grows the row past the page's room

        enter("500");
        QCOMPARE(AlertPresenter::instance()->title(), QString("Not Saved"));
        QCOMPARE(AlertPresenter::instance()->message(), message);
        AlertPresenter::instance()->clear();
        editCalories(first, longer);
        QCOMPARE(AlertPresenter::instance()->message(), message);
        QCOMPARE(sessionCount(), before);
        QCOMPARE(context.refetch(first).value("calories").toString(), QString("300"));
        QCOMPARE(onStore("PRAGMA integrity_check"), QString("ok"));

        AlertPresenter::instance()->clear();
        onStore(cure);
        enter("500");
        editCalories(first, longer);
        QVERIFY(!AlertPresenter::instance()->showing());
        QCOMPARE(sessionCount(), before + 1);
        QCOMPARE(context.refetch(first).value("calories").toString(), longer);
    }

    // A settings file that cannot be written (here a folder in its place): the screen opens
    // with the defaults and a flipped switch is reported as not saved.
    void settingsThatCannotBeWritten() {
        QVERIFY(QDir(m_dir.path()).mkdir("settings.ini"));
        AppDelegate::setDataDirectory(m_dir.path());
        DefaultSettingsViewController screen;
        screen.viewDidLoad();
        QVERIFY(screen.MilesSwitch()->checked());
        screen.KilometersSwitch()->setChecked(true);
        screen.KilometersSwitchFilpped();
        QCOMPARE(AlertPresenter::instance()->message(),
                 "This change could not be saved (the settings file " + m_dir.path() +
                     "/settings.ini cannot be written). Everything saved before is kept.");
    }
};

QTEST_GUILESS_MAIN(StoreFaultsTest)
#include "tst_store_faults.moc"
