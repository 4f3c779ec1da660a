#include "model/Context.h"
#include "model/UserData.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

// A store that cannot be loaded stops the program with the store's reason and one a person
// can act on, and the file is left byte for byte as it was.
class UnresolvedStoreTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_sound;
    QByteArray m_store; // a real store holding one session

private slots:
    void initTestCase() {
        const QString path = m_sound.filePath("Pacelog.sqlite");
        {
            Context context(path);
            QVERIFY(context.open());
            UserData session;
            session.setCalories("300");
            QVERIFY(context.insert(session) && context.save());
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        m_store = f.readAll();
        QVERIFY(m_store.size() > 8192);
        QVERIFY(!QFile::exists(path + "-wal"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
            db.setDatabaseName(path);
            QVERIFY(db.open() && QSqlQuery(db).exec("PRAGMA user_version=99"));
        }
        QSqlDatabase::removeDatabase("newer");
    }

    void brokenStoreStopsTheProgram_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file")
            << QByteArray("These are my running notes, not a database.\n").repeated(200)
            << "is not a Pacelog store";
        QTest::newRow("cut inside a page") << m_store.left(m_store.size() - 1000) << "is damaged";
        QTest::newRow("cut on a page") << m_store.left(4096) << "is damaged";
        QTest::newRow("cut after the header") << m_store.left(100) << "is damaged";
        QFile newer(m_sound.filePath("Pacelog.sqlite"));
        QVERIFY(newer.open(QIODevice::ReadOnly));
        QTest::newRow("newer schema") << newer.readAll() << "written by a newer version";
    }
    void brokenStoreStopsTheProgram() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString store = dir.filePath("Pacelog.sqlite");
        QFile f(store);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();

        QProcess app;
        app.start(PACELOG_BINARY, {"--data-dir", dir.path()});
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QVERIFY(app.exitCode() != 0);
        const QStringList lines = QString::fromLocal8Bit(app.readAllStandardError()).split('\n');
        const qsizetype stop = lines.indexOf(QRegularExpression("^Unresolved error .+, \\{.+"));
        QVERIFY2(stop >= 0 && lines.size() > stop + 2, qPrintable(lines.join('\n')));
        QVERIFY2(lines[stop + 1].contains(reason), qPrintable(lines[stop + 1]));
        QVERIFY(lines[stop + 2].contains("left exactly as it was"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == content); // byte for byte
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Pacelog.sqlite"});
    }
};

QTEST_GUILESS_MAIN(UnresolvedStoreTest)
#include "tst_unresolved_store.moc"
