#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/Locations.h"
#include "model/UserData.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <atomic>
#include <thread>

class StoreTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    static Context &store() { return AppDelegate::shared()->persistentContainer(); }

    // A session inserted and not yet saved.
    static UserData insert(const QString &date) {
        UserData s;
        s.setDate(date);
        store().insert(s);
        return s;
    }

    // A connection of its own to the store's file, for what the store itself does not offer.
    template <typename Use> void onFile(Use use) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
            db.setDatabaseName(AppDelegate::storePath());
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
    void init() { m_dir.fresh(); }

    void predicates_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QVariant>("argument");
        QTest::addColumn<int>("expected"); // -1: the request is refused

        // Places: Miami 25.761681/-80.191788 at 120 miles, SLC at 40.5/-111.9 at 300 miles.
        QTest::newRow("text equality") << "fromCity == %@" << QVariant("Miami") << 1;
        QTest::newRow("single = and no blanks") << "fromCity=%@" << QVariant("SLC") << 1;
        QTest::newRow("case matters") << "fromCity == %@" << QVariant("miami") << 0;
        QTest::newRow("text read as float") << "latitude == %@" << QVariant("25.761681") << 1;
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
        const UserData s = addImported("x");
        onFile([&](QSqlQuery &q) { QVERIFY(q.exec("UPDATE UserData SET treadDate = " + column)); });
        QCOMPARE(UserData(store().refetch(s)).treadDate(), expected);
    }

    void predicates() {
        QFETCH(QString, format);
        QFETCH(QVariant, argument);
        QFETCH(int, expected);
        addPlace("Miami", QString(), 25.761681f, -80.191788f, 120);
        addPlace("SLC", "Provo, UT", 40.5f, -111.9f);
        FetchRequest request = Locations::fetchRequest();
        request.where(format, argument);
        QString error;
        const QList<Record> found = store().fetch(request, &error);
        const int counted = store().count(request);
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
        addImported("a", "999");
        addImported("b", "2026");
        addImported("c", "2025");
        FetchRequest byText = UserData::fetchRequest();
        byText.sortBy("year", true);
        // Years are text: "999" sorts after "2026".
        QCOMPARE(dates(store().fetch(byText)), QStringList({"c", "b", "a"}));
    }

    // A refused write takes everything since the last save with it, and nothing of it is left
    // pending for the next save.
    void aFailedWriteRollsBackToTheLastSave() {
        addImported("kept");
        onFile([](QSqlQuery &q) {
            QVERIFY(q.exec("CREATE TRIGGER refuse BEFORE INSERT ON UserData WHEN "
                           "NEW.date = 'refused' BEGIN SELECT RAISE(ABORT, 'no'); END"));
        });

        insert("dropped");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Store write failed"));
        QVERIFY(!insert("refused").isInserted());
        // The rest of the group is refused too, and its save reports the first refusal: a
        // group of changes is never half stored nor reported as stored.
        QVERIFY(!insert("after").isInserted());
        QString error;
        QVERIFY(!store().save(&error));
        QCOMPARE(error, QString("no Unable to fetch row"));
        QVERIFY(!store().hasChanges());
        insert("next");
        QVERIFY(store().save());
        QCOMPARE(dates(store().fetch(UserData::fetchRequest())), QStringList({"kept", "next"}));
    }

    // Two first starts on a new store at the same moment: the schema is made once, under the
    // write lock, and both open it.
    void simultaneousFirstOpens() {
        // Qt 6.4 sets up its driver table on first use without a lock; two threads doing it
        // at once register its exit clean-up twice, and the program then never exits.
        QSqlDatabase::drivers();
        for (int round = 0; round < 20; ++round) {
            const QString path = m_dir.filePath(QStringLiteral("race%1.sqlite").arg(round));
            std::atomic<int> ready = 0, opened = 0;
            QStringList errors(2);
            std::vector<std::thread> starts;
            for (int i = 0; i < 2; ++i) {
                starts.emplace_back([&, i] {
                    Context context(path);
                    ++ready;
                    while (ready < 2) {
                    }
                    if (context.open(&errors[i]))
                        ++opened;
                });
            }
            for (std::thread &start : starts)
                start.join();
            QVERIFY2(opened == 2, qPrintable(errors.join(" / ")));
        }
    }

    // Totals are summed inside SQLite with the leading-number reading (its table is in the
    // formatting test); an absent text adds nothing.
    void sumsReadTheLeadingNumber() {
        for (const QVariant &calories : {QVariant("3.5km"), QVariant(), QVariant(" 7")}) {
            UserData s;
            s.setValue("calories", calories);
            s.setDistance("1");
            QVERIFY(store().insert(s));
        }
        QVERIFY(store().save());
        const auto totals =
            store().sumLeadingNumbers(UserData::fetchRequest(), {"calories", "distance"});
        QVERIFY(totals);
        QCOMPARE(totals->count, 3);
        QCOMPARE(totals->sums, QList<double>({10.5, 3.0}));
    }

    // With sort keys the sums are added up in their order. The calories 1e16, 1 and -1e16 sum
    // to 1 only when the 1 comes last (added to 1e16 it is lost). Keys are compared as SQLite
    // orders them (texts byte by byte, also past their first 8 bytes; absent first), ties in
    // storage order.
    void sumsInTheOrderOfTheirKeys_data() {
        QTest::addColumn<QStringList>("dates"); // of the sessions with 1e16, 1 and -1e16
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<double>("sum");
        QTest::newRow("1 last") << QStringList{"b", "c", "a"} << true << 1.0;
        QTest::newRow("1 first") << QStringList{"b", "a", "c"} << true << 0.0;
        QTest::newRow("descending") << QStringList{"b", "a", "c"} << false << 1.0;
        QTest::newRow("long texts differ late")
            << QStringList{"Dec 31, 2025 a", "Dec 31, 2025 c", "Dec 31, 2025 b"} << true << 1.0;
        QTest::newRow("absent first") << QStringList{"a", "b", ""} << true << 1.0;
        QTest::newRow("ties keep storage order") << QStringList{"x", "x", "x"} << true << 0.0;
    }
    void sumsInTheOrderOfTheirKeys() {
        QFETCH(QStringList, dates);
        QFETCH(bool, ascending);
        QFETCH(double, sum);
        const QStringList calories{"1e16", "1", "-1e16"};
        for (qsizetype i = 0; i < dates.size(); ++i) {
            UserData s;
            if (!dates.at(i).isEmpty())
                s.setDate(dates.at(i));
            s.setCalories(calories.at(i));
            QVERIFY(store().insert(s));
        }
        QVERIFY(store().save());
        FetchRequest request = UserData::fetchRequest();
        request.sortBy("date", ascending);
        const auto totals = store().sumLeadingNumbers(request, {"calories"});
        QVERIFY(totals);
        QCOMPARE(totals->count, 3);
        QCOMPARE(totals->sums, QList<double>{sum});
    }
};

QTEST_GUILESS_MAIN(StoreTest)
#include "tst_store.moc"
