#include "DataDirectory.h"
#include "SessionFixture.h"
#include "exchange/SessionImport.h"
#include "log/DetailViewController.h"
#include "log/MasterViewController.h"
#include "model/AppDelegate.h"
#include "model/RowsCommand.h"
#include "model/UndoService.h"
#include "platform/AlertPresenter.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>

// Undo puts back every column of every row as it was, read from SQLite itself: the storage
// class and the value of each column, rows an import added gone, rows it updated as before.
class UndoTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    // Every session row as SQLite holds it: row id, then each column's storage class and value.
    QList<QVariantList> rawRows() {
        QList<QVariantList> rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
            db.setDatabaseName(m_dir.filePath("Pacelog.sqlite"));
            if (!db.open())
                return rows;
            const QStringList columns{"calories", "date",  "distance", "fatCalories", "iday",
                                      "imonth",   "iyear", "laps",     "treadDate",   "year"};
            QStringList terms{"rowid"};
            for (const QString &c : columns)
                terms << "typeof(\"" + c + "\")"
                      << "\"" + c + "\"";
            QSqlQuery query(db);
            query.exec("SELECT " + terms.join(", ") + " FROM UserData ORDER BY rowid");
            while (query.next()) {
                QVariantList row;
                for (qsizetype i = 0; i < terms.size(); ++i)
                    row << query.value(int(i));
                rows << row;
            }
        }
        QSqlDatabase::removeDatabase("raw");
        return rows;
    }

    // Sessions with what only SQLite itself can tell apart: a sub-millisecond moment, a REAL in a
    // whole-number column, absent texts, blanks kept in a text.
    void addOddSessions() {
        addSession(QDateTime(QDate(2026, 2, 1), QTime(7, 0)), "300", "3.1", "96.00", "12");
        addImported(" 4/1/2026 ", "2026", 4, 1);
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "odd");
        db.setDatabaseName(m_dir.filePath("Pacelog.sqlite"));
        QVERIFY(db.open());
        QSqlQuery(db).exec("INSERT INTO UserData (calories, date, distance, iday, iyear, "
                           "treadDate) VALUES ('250', 'Mar 3, 2026', '2.50 ', 3.5, 2026, "
                           "1772539200.0001234)");
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("odd");
    }

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
        addOddSessions();
    }

    void swipeDeletionThenUndo_data() {
        QTest::addColumn<int>("row");
        QTest::newRow("a session as entered") << 0;
        QTest::newRow("an imported one, no moment") << 1;
        QTest::newRow("odd columns") << 2;
    }
    void swipeDeletionThenUndo() {
        QFETCH(int, row);
        const QList<QVariantList> before = rawRows();
        QCOMPARE(before.size(), 3);
        MasterViewController list;
        list.viewDidLoad();
        list.deleteRow(row);
        QCOMPARE(rawRows().size(), 2);
        QVERIFY(UndoService::shared()->offered());
        QVERIFY(UndoService::shared()->undo());
        QCOMPARE(rawRows(), before);
        QVERIFY(!UndoService::shared()->offered());
        QCOMPARE(list.DailyList()->rowCount(), 3); // the list shows it again
    }

    // The session stored last is deleted and a new one takes its row id before the undo: the
    // undo refuses rather than overwrite the new session.
    void undoNeverOverwritesALaterSession() {
        MasterViewController list;
        list.viewDidLoad();
        int row = 0;
        while (row < 3 && list.DailyList()->session(row).id() != 3)
            ++row;
        QVERIFY(row < 3);
        list.deleteRow(row);
        const UserData later = addSession(QDateTime(QDate(2026, 5, 1), QTime(7, 0)), "777", "7");
        QCOMPARE(later.id(), 3);
        QVERIFY(!UndoService::shared()->undo());
        QCOMPARE(AlertPresenter::instance()->title(), QString("Not Saved"));
        const QList<QVariantList> rows = rawRows();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.last().at(0).toLongLong(), 3);
        QCOMPARE(rows.last().at(2).toString(), QString("777"));
    }

    // An offer ends when another page is shown; the change can still be undone from the history.
    void offerEndsOnAnotherPage() {
        MasterViewController list;
        list.viewDidLoad();
        list.deleteRow(0);
        QVERIFY(UndoService::shared()->offered());
        UndoService::shared()->pageShown();
        QVERIFY(!UndoService::shared()->offered());
        QVERIFY(UndoService::shared()->stack()->canUndo());
    }

    void editThenUndo() {
        const QList<QVariantList> before = rawRows();
        MasterViewController list;
        list.viewDidLoad();
        for (int row = 0; row < 3; ++row) {
            DetailViewController screen;
            screen.setDetailItem(QVariant::fromValue<Record>(list.DailyList()->session(row)));
            screen.viewDidLoad();
            screen.caloriesTextField()->setText("999");
            screen.distanceTextField()->setText("9.9");
            QTest::ignoreMessage(QtInfoMsg, "Back button Clicked");
            screen.saveRecord();
            QVERIFY(rawRows() != before);
            // Offered on the list the edit returns to, not behind the closing edit page.
            QVERIFY(!UndoService::shared()->offered());
            UndoService::shared()->pageShown();
            QVERIFY(UndoService::shared()->offered());
            QVERIFY(UndoService::shared()->undo());
            QCOMPARE(rawRows(), before);
        }
    }

    void importThenUndo() {
        const QList<QVariantList> before = rawRows();
        // One line updates the first session (twice), two add sessions.
        SessionImport import(QStringLiteral("[TREADMILL]\n"
                                            "Feb 1, 2026^300^50^3.1^20^2026^2^1\n"
                                            "Feb 1, 2026^300^51^3.1^21^2026^2^1\n"
                                            "May 5, 2026^400^60^4.0^16^2026^5^5\n"
                                            "May 6, 2026^410^61^4.1^17^2026^5^6\n"));
        Context &context = AppDelegate::shared()->persistentContainer();
        while (!import.atEnd())
            import.mergeNext(context);
        QCOMPARE(import.added(), 2);
        QCOMPARE(import.updated(), 2);
        UndoService::shared()->changed(import.takeUndo(), true);
        QCOMPARE(rawRows().size(), 5);
        QVERIFY(UndoService::shared()->undo());
        QCOMPARE(rawRows(), before);

        // Redo brings the import back as it was.
        UndoService::shared()->stack()->redo();
        QCOMPARE(rawRows().size(), 5);
        QCOMPARE(rawRows().at(0).at(8), QVariant("51")); // fatCalories after the second line
    }

    void nothingToUndo() {
        UndoService::shared()->clear();
        QVERIFY(!UndoService::shared()->undo());
        QCOMPARE(rawRows().size(), 3);
    }
};

QTEST_GUILESS_MAIN(UndoTest)
#include "tst_undo.moc"
