// SIGKILL in the middle of the operations that write many sessions. After each kill the store
// must pass its integrity check and hold every session reported saved; the built-in replacement
// must leave either the old sessions or the whole new set, with a complete backup beside the
// new set; and the next start must finish the session repair.
#include "app/MainMenuViewController.h"
#include "exchange/DataImporterViewController.h"
#include "exchange/ImportViewController2.h"
#include "model/AppDelegate.h"
#include "platform/AlertPresenter.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

constexpr int OldSessions = 3000;
constexpr int RepairSessions = 20000; // four repair groups
constexpr int BuiltInSessions = 752;  // resources/caloriesburned.csv

// The process to kill: runs one operation through the screen that starts it, printing a line
// whenever the screen shows progress: "import", "replace" or "start", a data directory and
// the file to import.
int runOperation(QCoreApplication &app, const QStringList &args) {
    AppDelegate::setDataDirectory(args.at(1));
    AlertPresenter *alerts = AlertPresenter::instance();
    QTextStream out(stdout);
    const auto say = [&](const QString &line) { out << line << Qt::endl; };
    if (args.at(0) == "import") {
        ImportViewController2 screen;
        screen.viewDidLoad();
        screen.didPickDocument(args.at(2));
        alerts->respond(0); // "File Loaded and Ready to Import"
        Outlet *progress = screen.ProgressLabel();
        QObject::connect(progress, &Outlet::textChanged, [&] { say(progress->text()); });
        QObject::connect(alerts, &AlertPresenter::currentChanged, &app, [&] {
            if (alerts->showing()) // "Data Import Completed"
                app.quit();
        });
        screen.ImportTextFile();
        app.exec();
    } else if (args.at(0) == "replace") {
        DataImporterViewController screen;
        screen.ImportData();
        say("confirmed");
        alerts->respond(0);
    } else {
        MainMenuViewController menu;
        say("starting");
        menu.viewDidLoad();
    }
    say("done");
    return 0;
}

struct StoreState {
    QString integrity;
    int total, old, undated, imported, importedInOrder;
};
// Asked on a connection of its own, closed again before the next process starts.
StoreState stateOf(const QString &path) {
    QList<QVariant> a;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(path);
        db.open();
        for (const char *sql :
             {"PRAGMA integrity_check", "SELECT count(*) FROM UserData",
              "SELECT count(*) FROM UserData WHERE laps = 'old'",
              "SELECT count(*) FROM UserData WHERE treadDate IS NULL AND laps IN ('old', 'new')",
              "SELECT count(*) FROM UserData WHERE laps = 'new'",
              // Lines are saved in order: the n imported ones are lines 0 to n - 1, once each.
              "SELECT count(DISTINCT calories) FROM UserData WHERE laps = 'new' AND "
              "CAST(calories AS INTEGER) < (SELECT count(*) FROM UserData WHERE laps = 'new')"}) {
            QSqlQuery q(db);
            a << (q.exec(sql) && q.next() ? q.value(0) : q.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase("check");
    return {a[0].toString(), a[1].toInt(), a[2].toInt(), a[3].toInt(), a[4].toInt(), a[5].toInt()};
}

// `n` sessions marked "old" as an import leaves them: texts, year, month and day, no treadDate.
void seed(const QString &path, int n) {
    Context store(path);
    QVERIFY(store.open());
    for (int i = 0; i < n; ++i) {
        UserData s;
        for (const char *key : {"date", "calories", "distance"})
            s.setValue(key, QString::number(i));
        s.setYear("2019");
        s.setLaps("old");
        s.setImonth(6);
        s.setIday(15);
        QVERIFY(store.insert(s));
    }
    QVERIFY(store.save());
}

} // namespace

class CrashTest : public QObject {
    Q_OBJECT
private slots:
    void kill_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("linesBeforeKill");
        QTest::addColumn<int>("delayFrom");
        QTest::addColumn<int>("delayTo");
        // Lines are saved and then shown a slice at a time: about 20 slices of 150 lines.
        QTest::newRow("import, first slice") << "import" << 2 << 0 << 30;
        QTest::newRow("import, fifth slice") << "import" << 5 << 0 << 30;
        QTest::newRow("import, tenth slice") << "import" << 10 << 0 << 30;
        QTest::newRow("import, sixteenth slice") << "import" << 16 << 0 << 30;
        // Over 3,000 sessions the whole replacement takes 70 to 170 ms, the backup about 30.
        QTest::newRow("replace, backup") << "replace" << 1 << 0 << 30;
        QTest::newRow("replace, deleting and loading") << "replace" << 1 << 30 << 100;
        QTest::newRow("replace, commit and after") << "replace" << 1 << 100 << 300;
        // 20,000 sessions: the places, then four groups of 5,000; 2 to 3 s in all.
        QTest::newRow("repair, first group") << "start" << 1 << 0 << 700;
        QTest::newRow("repair, later groups") << "start" << 1 << 700 << 2500;
    }

    void kill() {
        QFETCH(QString, operation);
        QFETCH(int, linesBeforeKill);
        QFETCH(int, delayFrom);
        QFETCH(int, delayTo);
        QTemporaryDir dir;
        const QString store = dir.filePath("Pacelog.sqlite");
        seed(store, operation == "start" ? RepairSessions : OldSessions);
        QFile file(dir.filePath("Treadmill.csv")); // what the import reads
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[TREADMILL]\n");
        for (int i = 0; i < 3000; ++i)
            file.write(QString("new %1^%1^0^3.1^new^2021^6^15\n").arg(i).toUtf8());
        file.close();

        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--run", operation, dir.path(), file.fileName()});
        QStringList lines;
        while (lines.size() < linesBeforeKill && child.waitForReadyRead(20000)) {
            while (child.canReadLine())
                lines << QString::fromUtf8(child.readLine());
        }
        const int delay = delayFrom + QRandomGenerator::global()->bounded(delayTo - delayFrom);
        QThread::msleep(delay);
        if (child.state() == QProcess::Running)
            ::kill(pid_t(child.processId()), SIGKILL);
        child.waitForFinished(20000); // false when it had ended already
        QCOMPARE(child.state(), QProcess::NotRunning);
        // Every line printed before the kill is a report, read or not: "N of M lines" means the
        // first N lines are saved.
        lines += QString::fromUtf8(child.readAll()).split('\n');
        const QStringList reports = lines.filter(" of ");

        const StoreState killed = stateOf(store);
        QCOMPARE(killed.integrity, "ok");
        QString outcome;
        if (operation == "import") {
            const QString last = reports.isEmpty() ? "0" : reports.last().section(' ', 0, 0);
            const int saved = QLocale(QLocale::English).toInt(last);
            QVERIFY(killed.imported >= saved);
            QCOMPARE(killed.importedInOrder, killed.imported);
            QCOMPARE(killed.old, OldSessions);
            outcome = QString("%1 lines reported saved, %2 stored").arg(saved).arg(killed.imported);
        } else if (operation == "replace") {
            const bool kept = killed.old == OldSessions && killed.total == OldSessions;
            QVERIFY2(kept || (killed.old == 0 && killed.total == BuiltInSessions),
                     qPrintable(QString("%1 old of %2").arg(killed.old).arg(killed.total)));
            // A file under a backup's name is a whole copy of the old sessions.
            const QStringList backups = QDir(dir.path()).entryList({"Pacelog-backup-*.sqlite"});
            QVERIFY(kept || !backups.isEmpty());
            for (const QString &name : backups) {
                const StoreState copy = stateOf(dir.filePath(name));
                QCOMPARE(copy.integrity, "ok");
                QCOMPARE(copy.total, OldSessions);
            }
            outcome = QString("%1, %2 backup, %3 partial")
                          .arg(kept ? "old kept" : "new set")
                          .arg(backups.size())
                          .arg(QDir(dir.path()).entryList({"*.partial"}).size());
        } else {
            QCOMPARE(killed.total, RepairSessions);
            outcome =
                QString("%1 of %2 repaired").arg(killed.total - killed.undated).arg(killed.total);
        }

        QProcess next;
        next.start(QCoreApplication::applicationFilePath(), {"--run", "start", dir.path()});
        QVERIFY(next.waitForFinished(60000) && next.exitCode() == 0);
        const StoreState restarted = stateOf(store);
        QCOMPARE(restarted.integrity, "ok");
        QCOMPARE(restarted.total, killed.total);
        QCOMPARE(restarted.undated, 0);
        qInfo("%s killed %d ms after line %d: %s, integrity ok; next start dated all %d",
              qPrintable(operation), delay, linesBeforeKill, qPrintable(outcome), restarted.total);
    }
};

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc > 3 && qstrcmp(argv[1], "--run") == 0)
        return runOperation(app, app.arguments().mid(2));
    CrashTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crash.moc"
