#include "DataDirectory.h"
#include "SessionFixture.h"
#include "log/DetailViewController.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/AlertPresenter.h"
#include "platform/Navigator.h"

#include <QSignalSpy>
#include <QtTest>

class SessionEditTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static QDateTime day(int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(8, 0)); }

    static UserData stored(qint64 id) {
        auto other = AppDelegate::shared()->newContainer();
        return UserData(other->refetch(Record(UserData().entity(), id)));
    }

    // The edit screen as the list opens it.
    static std::unique_ptr<DetailViewController> open(const UserData &session) {
        auto screen = std::make_unique<DetailViewController>();
        screen->setDetailItem(QVariant::fromValue<Record>(
            AppDelegate::shared()->persistentContainer().refetch(session)));
        screen->viewDidLoad();
        return screen;
    }

    static void save(DetailViewController &screen) {
        QTest::ignoreMessage(QtInfoMsg, "Back button Clicked");
        QSignalSpy segues(Navigator::instance(), &Navigator::segueRequested);
        screen.saveRecord();
        QCOMPARE(segues.count(), 1);
        QCOMPARE(segues.first().first().toString(), QString("unwindToMenu"));
    }

private slots:
    void init() {
        m_dir.fresh();
        AlertPresenter::instance()->clear();
    }

    // The page test shows a session in miles; the fat calories shown follow the list's rule
    // (its row table).
    void kilometresCaption() {
        AppState::instance()->setDistanceUnit("Kilometers");
        auto screen = open(addSession(day(2025, 7, 4), "300", "3.5"));
        QCOMPARE(screen->DistanceLabel()->text(), QString("Distance (km)"));
        AppState::instance()->setDistanceUnit("Miles");
    }

    void noSessionFillsNothing() {
        DetailViewController screen;
        screen.setDetailItem(QVariant(42));
        screen.viewDidLoad();
        QVERIFY(screen.dateTextField()->text().isEmpty());
        QVERIFY(!screen.detailItem().isValid());
    }

    void emptyFieldsStayEmpty() {
        // Fat calories and laps never set: shown empty, and still empty after a save.
        const UserData s = addImported("3/3/25");
        auto screen = open(s);
        QCOMPARE(screen->fatCaloriesTextField()->text(), QString());
        save(*screen);
        const UserData after = stored(s.id());
        QVERIFY(!after.value("fatCalories").isValid());
        QCOMPARE(after.laps(), QString(""));
    }

    void sessionGoneMeanwhileChangesNothing() {
        const UserData s = addSession(day(2025, 7, 4), "300", "3.5");
        auto screen = open(s);
        auto other = AppDelegate::shared()->newContainer();
        UserData changed(other->refetch(s));
        changed.setCalories("301");
        QVERIFY(other->change(changed) && other->save());
        screen->caloriesTextField()->setText("999");
        save(*screen);
        QCOMPARE(stored(s.id()).calories(), QString("301"));
    }

    // The page test moves an entered session; an imported one has no treadDate to start from.
    void pickingADateDatesAnImport() {
        const UserData s = addImported("3/3/25");
        auto screen = open(s);
        screen->DateEntered();
        QVERIFY(!screen->datePickerView()->hidden());
        const QDateTime picked(QDate(2025, 12, 24), QTime(21, 30));
        screen->dateValueChanged(picked);
        screen->doneClick();
        QCOMPARE(screen->dateTextField()->text(), QString("Dec 24, 2025"));
        save(*screen);

        const UserData after = stored(s.id());
        QCOMPARE(after.treadDate(), picked);
        QCOMPARE(after.date(), QString("Dec 24, 2025"));
        QCOMPARE(after.year(), QString("2025"));
        QCOMPARE(after.iyear(), qint16(2025));
        QCOMPARE(after.imonth(), std::optional<qint64>(12));
        QCOMPARE(after.iday(), std::optional<qint64>(24));
    }

    void untouchedDateKeepsAnImportAsItWas() {
        const UserData s = addImported("3/3/25", "2025", 3, 3);
        auto screen = open(s);
        QVERIFY(!screen->treadDate().isValid());
        screen->DateEntered(); // looking at the picker is not picking
        screen->dismissKeyboard();
        screen->lapsTextField()->setText("12.00");
        save(*screen);
        const UserData after = stored(s.id());
        QVERIFY(!after.treadDate().isValid());
        QCOMPARE(after.date(), QString("3/3/25"));
        QCOMPARE(after.year(), QString("2025"));
        QCOMPARE(after.iyear(), qint16(0));
        QCOMPARE(after.imonth(), std::optional<qint64>(3));
        QCOMPARE(after.iday(), std::optional<qint64>(3));
        QCOMPARE(after.laps(), QString("12.00"));
    }
};

QTEST_MAIN(SessionEditTest)
#include "tst_session_edit.moc"
