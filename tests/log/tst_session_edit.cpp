#include "DataDirectory.h"
#include "SessionFixture.h"
#include "log/DetailViewController.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "platform/AlertPresenter.h"
#include "platform/Navigator.h"

#include <QSignalSpy>
#include <QtTest>

class SessionEditTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

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

    // Date text, year text, year, month and day as stored.
    static QStringList dateParts(const UserData &s) {
        return {s.date(), s.year(), QString::number(s.iyear()),
                QString::number(s.imonth().value_or(0)), QString::number(s.iday().value_or(0))};
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

    void sessionGoneMeanwhileChangesNothing() {
        const UserData s = addSession(QDateTime(QDate(2025, 7, 4), QTime(8, 0)), "300", "3.5");
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
        QCOMPARE(dateParts(after), QStringList({"Dec 24, 2025", "2025", "2025", "12", "24"}));
    }

    // An import as it was; its fat calories were never set, are shown empty and are written
    // as they are shown: an empty text.
    void untouchedDateKeepsAnImportAsItWas() {
        const UserData s = addImported("3/3/25", "2025", 3, 3);
        auto screen = open(s);
        QVERIFY(!screen->treadDate().isValid());
        QCOMPARE(screen->fatCaloriesTextField()->text(), QString());
        screen->DateEntered(); // looking at the picker is not picking
        screen->dismissKeyboard();
        screen->lapsTextField()->setText("12.00");
        save(*screen);
        const UserData after = stored(s.id());
        QVERIFY(!after.treadDate().isValid());
        QCOMPARE(dateParts(after), QStringList({"3/3/25", "2025", "0", "3", "3"}));
        QCOMPARE(after.laps(), QString("12.00"));
        QCOMPARE(after.value("fatCalories"), QVariant(QString("")));
    }
};

QTEST_MAIN(SessionEditTest)
#include "tst_session_edit.moc"
