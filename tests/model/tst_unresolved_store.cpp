#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// A store file that is not a database stops the program and is left as it was.
class UnresolvedStoreTest : public QObject {
    Q_OBJECT

    static QByteArray digest(const QString &path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }

private slots:
    void notADatabaseStopsTheProgram() {
        QTemporaryDir dir;
        const QString store = dir.filePath("Pacelog.sqlite");
        QFile f(store);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("These are my running notes, not a database.\n").repeated(200));
        f.close();
        const QByteArray before = digest(store);

        QProcess app;
        app.start(PACELOG_BINARY, {"--data-dir", dir.path()});
        QVERIFY(app.waitForFinished(60000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QVERIFY(app.exitCode() != 0);
        const QString errors = QString::fromLocal8Bit(app.readAllStandardError());
        QVERIFY2(errors.contains("Unresolved error "), qPrintable(errors));
        QCOMPARE(digest(store), before);
        QVERIFY(!QFile::exists(store + "-wal"));
    }
};

QTEST_GUILESS_MAIN(UnresolvedStoreTest)
#include "tst_unresolved_store.moc"
