#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/Locations.h"
#include "model/UserData.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

class StoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Context> m_context;

    UserData addSession(const QString &date, const QString &calories, const QString &distance,
                        const QDateTime &when = {}) {
        UserData s;
        if (when.isValid())
            s.setTreadDate(when);
        s.setDate(date);
        s.setCalories(calories);
        s.setDistance(distance);
        m_context->insert(s);
        return s;
    }

    // A connection of its own to the store's file, for what the store itself does not offer.
    template <typename Use> void onFile(Use use) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
            db.setDatabaseName(m_dir.filePath("Pacelog.sqlite"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            use(q);
        }
        QSqlDatabase::removeDatabase("raw");
    }

    QStringList dates(const QList<Record> &records) {
        QStringList out;
        for (const Record &r : records)
            out << UserData(r).date();
        return out;
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        QFile::remove(m_dir.filePath("Pacelog.sqlite"));
        m_context = std::make_unique<Context>(m_dir.filePath("Pacelog.sqlite"));
        QVERIFY(m_context->open());
    }
    void cleanup() { m_context.reset(); }

    void treadDateWritesTheDerivedFieldsInLocalTime() {
        // 23:30 on 31 December in New York is already 1 January in UTC.
        const QDateTime lateEvening(QDate(2025, 12, 31), QTime(23, 30));
        UserData s = addSession("Dec 31, 2025", "100", "3", lateEvening);
        QVERIFY(m_context->save());
        const UserData stored(m_context->refetch(s));
        QCOMPARE(stored.year(), QString("2025"));
        QCOMPARE(stored.iyear(), qint16(2025));
        QCOMPARE(stored.imonth(), std::optional<qint64>(12));
        QCOMPARE(stored.iday(), std::optional<qint64>(31));
        QCOMPARE(stored.treadDate(), lateEvening);
    }

    void predicates_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<int>("expected"); // -1: the request is refused

        // Places: Miami 25.761681/-80.191788 at 120 miles, SLC at 40.5/-111.9 at 300 miles.
        QTest::newRow("text equality") << "fromCity == %@" << QVariant("Miami") << 1;
        QTest::newRow("single = and no blanks") << "fromCity=%@" << QVariant("SLC") << 1;
        QTest::newRow("case matters") << "fromCity == %@" << QVariant("miami") << 0;
        QTest::newRow("text read as float") << "latitude == %@" << QVariant("25.761681") << 1;
        QTest::newRow("text of another float") << "latitude == %@" << QVariant("25.7617") << 0;
        QTest::newRow("text that is no number") << "latitude == %@" << QVariant("north") << 0;
        QTest::newRow("double with %lf") << "milesFromMiami > %lf" << QVariant(100.0) << 1;
        QTest::newRow("strictly greater") << "milesFromMiami > %lf" << QVariant(120.0) << 0;
        QTest::newRow("absent equals nothing") << "name == %@" << QVariant() << 0;
        QTest::newRow("quotes are data") << "fromCity == %@" << QVariant("x' OR '1'='1") << 0;
        QTest::newRow("unknown attribute") << "colour == %@" << QVariant("red") << -1;
        QTest::newRow("not a comparison") << "fromCity LIKE %@" << QVariant("M*") << -1;
        QTest::newRow("spliced value") << "fromCity == 'Miami'" << QVariant() << -1;
    }
    // A date-time column as another program or a damaged file may leave it.
    void storedDateTimesReadBack_data() {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QDateTime>("expected");
        QTest::newRow("seconds since 1970")
            << "1772730000" << QDateTime::fromSecsSinceEpoch(1772730000);
        QTest::newRow("beyond any moment") << "1e39" << QDateTime();
        QTest::newRow("infinite") << "-9e999" << QDateTime();
    }
    void storedDateTimesReadBack() {
        QFETCH(QString, column);
        QFETCH(QDateTime, expected);
        UserData s = addSession("x", "1", "2");
        QVERIFY(m_context->save());
        onFile([&](QSqlQuery &q) { QVERIFY(q.exec("UPDATE UserData SET treadDate = " + column)); });
        QCOMPARE(UserData(m_context->refetch(s)).treadDate(), expected);
    }

    void predicates() {
        QFETCH(QString, format);
        QFETCH(QVariant, argument);
        QFETCH(int, expected);
        Locations a;
        a.setFromCity("Miami");
        a.setLatitude(25.761681f);
        a.setLongitude(-80.191788f);
        a.setValue("milesFromMiami", 120);
        Locations b;
        b.setName("Provo, UT");
        b.setFromCity("SLC");
        b.setLatitude(40.5f);
        b.setLongitude(-111.9f);
        QVERIFY(m_context->insert(a) && m_context->insert(b) && m_context->save());

        FetchRequest request = Locations::fetchRequest();
        request.where(format, argument);
        QString error;
        const QList<Record> found = m_context->fetch(request, &error);
        const int counted = m_context->count(request);
        if (expected < 0) {
            QVERIFY(!error.isEmpty());
            QCOMPARE(counted, -1);
        } else {
            QVERIFY2(error.isEmpty(), qPrintable(error));
            QCOMPARE(found.size(), expected);
            QCOMPARE(counted, expected);
        }
    }

    void sortsFollowTheAttributeKind() {
        UserData a = addSession("a", "1", "1");
        a.setYear("999");
        UserData b = addSession("b", "1", "1");
        b.setYear("2026");
        UserData c = addSession("c", "1", "1");
        c.setYear("2025");
        QVERIFY(m_context->change(a) && m_context->change(b) && m_context->change(c));
        QVERIFY(m_context->save());
        FetchRequest byText = UserData::fetchRequest();
        byText.sortBy("year", true);
        // Years are text: "999" sorts after "2026".
        QCOMPARE(dates(m_context->fetch(byText)), QStringList({"c", "b", "a"}));
    }

    // The list and edit tests see saves made elsewhere; here what is not saved stays unseen.
    void onlySavedChangesReachOtherContexts() {
        Context other(m_dir.filePath("Pacelog.sqlite"));
        QVERIFY(other.open());
        addSession("Mar 5, 2026", "100", "3");
        QVERIFY(m_context->hasChanges());
        QCOMPARE(m_context->count(UserData::fetchRequest()), 1);
        QCOMPARE(other.count(UserData::fetchRequest()), 0);
        QVERIFY(m_context->save());
        QVERIFY(!m_context->hasChanges());
        QCOMPARE(other.count(UserData::fetchRequest()), 1);
    }

    // A refused write takes everything since the last save with it, and nothing of it is left
    // pending for the next save.
    void aFailedWriteRollsBackToTheLastSave() {
        addSession("kept", "1", "1");
        QVERIFY(m_context->save());
        onFile([](QSqlQuery &q) {
            QVERIFY(q.exec("CREATE TRIGGER refuse BEFORE INSERT ON UserData WHEN "
                           "NEW.date = 'refused' BEGIN SELECT RAISE(ABORT, 'no'); END"));
        });

        addSession("dropped", "2", "2");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Store write failed"));
        QVERIFY(!addSession("refused", "3", "3").isInserted());
        QVERIFY(!m_context->hasChanges());
        addSession("next", "4", "4");
        QVERIFY(m_context->save());
        QCOMPARE(dates(m_context->fetch(UserData::fetchRequest())), QStringList({"kept", "next"}));
    }

    // Totals are summed inside SQLite with the leading-number reading (its table is in the
    // formatting test); an absent text adds nothing.
    void sumsReadTheLeadingNumber() {
        for (const QVariant &calories : {QVariant("3.5km"), QVariant(), QVariant(" 7")}) {
            UserData s;
            s.setValue("calories", calories);
            s.setDistance("1");
            QVERIFY(m_context->insert(s));
        }
        QVERIFY(m_context->save());
        const auto totals =
            m_context->sumLeadingNumbers(UserData::fetchRequest(), {"calories", "distance"});
        QVERIFY(totals);
        QCOMPARE(totals->count, 3);
        QCOMPARE(totals->sums, QList<double>({10.5, 3.0}));
    }

    void floatsAreStoredRoundedThroughFloat() {
        Locations place;
        place.setLatitude(0.1f);
        QVERIFY(m_context->insert(place) && m_context->save());
        onFile([](QSqlQuery &q) {
            QVERIFY(q.exec("SELECT latitude FROM Locations") && q.next());
            QCOMPARE(q.value(0).toDouble(), double(0.1f));
        });
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
