#include "DataDirectory.h"
#include "SessionFixture.h"
#include "exchange/ExportViewController.h"
#include "log/DetailViewController.h"
#include "log/EnterTreadmillDataViewController.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/DefaultSettingsViewController.h"
#include "platform/AlertPresenter.h"
#include "route/ExportLocationsViewController.h"
#include "route/JourneyViewController.h"
#include "summary/DailyTableViewController.h"
#include "summary/MonthlyTableViewController.h"
#include "summary/TotalsViewController.h"
#include "summary/YearlyTableViewController.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// A save that the device refuses (full, read-only) is reported on the screen that saved, keeps
// every earlier session and a sound store, and the next save after the cause is gone works.
// A read that fails part way is reported by the screen that read, and no file is made of it.
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
    // Sessions and places stored side by side, then a stretch of pages in the middle of the
    // file overwritten: every full read of either runs into it after reading some rows.
    void damageTheStore() {
        Context &context = AppDelegate::shared()->persistentContainer();
        for (int i = 0; i < 3000; ++i) {
            UserData session;
            const QDateTime when(QDate(2021, 3, 1 + i % 28), QTime(7, 0));
            session.setTreadDate(when);
            session.setDate(QStringLiteral("Mar %1, 2021 session %2").arg(1 + i % 28).arg(i));
            session.setCalories("350");
            session.setDistance("2.5");
            QVERIFY(context.insert(session));
            Locations place;
            place.setFromCity(QStringLiteral("Miami"));
            place.setName(QStringLiteral("Place %1").arg(i));
            place.setValue(QStringLiteral("milesFromMiami"), float(i));
            QVERIFY(context.insert(place));
        }
        QVERIFY(context.save());
        // Closing the shared connection moves the journal into the file.
        AppDelegate::setDataDirectory(m_dir.path());
        QFile store(AppDelegate::storePath());
        QVERIFY(store.open(QIODevice::ReadWrite));
        const qint64 pageSize = 4096;
        const qint64 pages = store.size() / pageSize;
        QVERIFY(pages > 40);
        for (qint64 page = pages / 2; page < pages / 2 + 8; ++page) {
            QVERIFY(store.seek(page * pageSize));
            store.write(QByteArray(pageSize, '\x5a'));
        }
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

    void readThatFailsPartWay_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        const QString notRead = "Not everything stored could be read (";
        QTest::newRow("session export") << "export"
                                        << "Data Export"
                                        << "Not every session could be read from the store, so "
                                           "no export file was made: ";
        QTest::newRow("places export") << "places"
                                       << "Data Export"
                                       << "Not every place could be read from the store, so no "
                                          "export file was made: ";
        QTest::newRow("years") << "years"
                               << "Not Read" << notRead;
        QTest::newRow("months") << "months"
                                << "Not Read" << notRead;
        QTest::newRow("days") << "days"
                              << "Not Read" << notRead;
        QTest::newRow("totals") << "totals"
                                << "Not Read" << notRead;
        QTest::newRow("journey") << "journey"
                                 << "Not Read" << notRead;
    }
    void readThatFailsPartWay() {
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(QString, message);
        damageTheStore();
        int visited = 0;
        QVERIFY(!AppDelegate::shared()->persistentContainer().walk(
            UserData::fetchRequest(), [&](const Record &) { ++visited; }));
        QVERIFY2(visited > 0 && visited < 3000, qPrintable(QString::number(visited)));
        AppState::instance()->setAppSelectedYear(2021);
        AppState::instance()->setAppSelectedMonth(3);

        QObject owner;
        if (screen == "export") {
            auto *page = new ExportViewController(&owner);
            page->viewDidLoad();
            page->CreateUpdateFile();
            QTRY_VERIFY(AlertPresenter::instance()->showing());
            QVERIFY(page->DataString().isEmpty());
            QVERIFY(!page->SaveButton()->enabled() && !page->EmailButton()->enabled());
            QVERIFY(page->ExportButton()->enabled()); // the person may try again
        } else if (screen == "places") {
            auto *page = new ExportLocationsViewController(&owner);
            page->viewDidLoad();
            page->CreateTextFile();
            QVERIFY(page->TextView()->text().isEmpty());
        } else if (screen == "years") {
            (new YearlyTableViewController(&owner))->viewDidLoad();
        } else if (screen == "months") {
            (new MonthlyTableViewController(&owner))->viewDidLoad();
        } else if (screen == "days") {
            (new DailyTableViewController(&owner))->viewDidLoad();
        } else if (screen == "totals") {
            (new TotalsViewController(&owner))->viewDidLoad();
        } else {
            (new JourneyViewController(&owner))->viewDidLoad();
        }
        QCOMPARE(AlertPresenter::instance()->title(), title);
        QVERIFY2(AlertPresenter::instance()->message().startsWith(message),
                 qPrintable(AlertPresenter::instance()->message()));
        AlertPresenter::instance()->respond(0);
        QVERIFY(!AlertPresenter::instance()->showing()); // one alert, however often it read
    }
};

QTEST_GUILESS_MAIN(StoreFaultsTest)
#include "tst_store_faults.moc"
