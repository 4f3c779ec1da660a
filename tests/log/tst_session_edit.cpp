#include "DataDirectory.h"
#include "log/DetailViewController.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/AlertPresenter.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"

#include <QSignalSpy>
#include <QtTest>

class SessionEditTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static QDateTime day(int y, int m, int d) { return QDateTime(QDate(y, m, d), QTime(8, 0)); }

    static UserData addSession(const QDateTime &when, const QString &date, const QString &calories,
                               const QString &distance, const QString &fat = "93.5159",
                               const QString &laps = "14.00") {
        UserData s;
        if (when.isValid())
            s.setTreadDate(when);
        s.setDate(date);
        s.setCalories(calories);
        s.setDistance(distance);
        if (!fat.isNull())
            s.setFatCalories(fat);
        if (!laps.isNull())
            s.setLaps(laps);
        Context &context = AppDelegate::shared()->persistentContainer();
        context.insert(s);
        context.save();
        return s;
    }
    static UserData addSession(const QDateTime &when, const QString &calories = "300",
                               const QString &distance = "3.5") {
        return addSession(when, Formatting::mediumDate(when), calories, distance);
    }

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

    void fieldsShowTheSession_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("fat");
        QTest::addColumn<QString>("shownFat");
        QTest::addColumn<QString>("caption");
        QTest::newRow("kilometres") << "Kilometers"
                                    << "31.171967"
                                    << "31.17"
                                    << "Distance (km)";
        QTest::newRow("not a number") << "Miles"
                                      << "5-"
                                      << "5-"
                                      << "Distance (Miles)";
        QTest::newRow("empty") << "Miles"
                               << ""
                               << ""
                               << "Distance (Miles)";
    }
    void fieldsShowTheSession() {
        QFETCH(QString, unit);
        QFETCH(QString, fat);
        QFETCH(QString, shownFat);
        QFETCH(QString, caption);
        AppState::instance()->setDistanceUnit(unit);
        const UserData s = addSession(day(2025, 7, 4), "Jul 4, 2025", "300", "3.5", fat, "14.00");
        auto screen = open(s);
        QCOMPARE(screen->fatCaloriesTextField()->text(), shownFat);
        QCOMPARE(screen->DistanceLabel()->text(), caption);
        AppState::instance()->setDistanceUnit("Miles");
    }

    void noSessionFillsNothing() {
        DetailViewController screen;
        screen.setDetailItem(QVariant(42));
        screen.viewDidLoad();
        QVERIFY(screen.dateTextField()->text().isEmpty());
        QVERIFY(!screen.detailItem().isValid());
    }

    void savingUnchangedOnlyRoundsFatCalories() {
        const UserData s = addSession(day(2025, 7, 4));
        auto screen = open(s);
        save(*screen);
        const UserData after = stored(s.id());
        QCOMPARE(after.fatCalories(), QString("93.52"));
        QCOMPARE(after.date(), s.date());
        QCOMPARE(after.calories(), s.calories());
        QCOMPARE(after.distance(), s.distance());
        QCOMPARE(after.laps(), s.laps());
        QCOMPARE(after.treadDate(), s.treadDate());
        QCOMPARE(after.iyear(), qint16(2025));
    }

    void emptyFieldsStayEmpty() {
        // Fat calories never set (absent), laps empty text.
        const UserData s = addSession(day(2025, 7, 4), "Jul 4, 2025", "300", "3.5", QString(), "");
        auto screen = open(s);
        QCOMPARE(screen->fatCaloriesTextField()->text(), QString());
        save(*screen);
        const UserData after = stored(s.id());
        QVERIFY(!after.value("fatCalories").isValid());
        QCOMPARE(after.laps(), QString(""));
    }

    void twinsChangeNeither() {
        const UserData a = addSession(day(2025, 7, 4));
        const UserData b = addSession(day(2025, 7, 4));
        auto screen = open(a);
        screen->caloriesTextField()->setText("999");
        screen->dateValueChanged(day(2024, 1, 2));
        save(*screen);
        for (qint64 id : {a.id(), b.id()}) {
            const UserData after = stored(id);
            QCOMPARE(after.calories(), QString("300"));
            QCOMPARE(after.fatCalories(), QString("93.5159"));
            QCOMPARE(after.iyear(), qint16(2025));
        }
    }

    void sessionGoneMeanwhileChangesNothing() {
        const UserData s = addSession(day(2025, 7, 4));
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
        const UserData s = addSession(QDateTime(), "3/3/25", "300", "3");
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
        const UserData s = addSession(QDateTime(), "3/3/25", "300", "3");
        UserData imported(AppDelegate::shared()->persistentContainer().refetch(s));
        imported.setYear("2025");
        imported.setImonth(3);
        imported.setIday(3);
        Context &context = AppDelegate::shared()->persistentContainer();
        QVERIFY(context.change(imported) && context.save());

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

    // "Today" shows month/day/year in the field, but the session is stored with the medium date.
    void todayIsStoredWithTheMediumDate() {
        const UserData s = addSession(day(2024, 11, 5));
        auto screen = open(s);
        screen->DateEntered();
        screen->todayClick();
        save(*screen);
        const QDate today = QDate::currentDate();
        QCOMPARE(stored(s.id()).date(),
                 QLocale(QLocale::English, QLocale::UnitedStates).toString(today, "MMM d, yyyy"));
        QCOMPARE(stored(s.id()).iyear(), qint16(today.year()));
    }
};

QTEST_MAIN(SessionEditTest)
#include "tst_session_edit.moc"
