#include "app/SingleInstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// One Pacelog per data folder: a second start hands over to the running one and opens nothing;
// a Pacelog that was killed leaves nothing that blocks the next start.
class SingleInstanceTest : public QObject {
    Q_OBJECT

    static bool listening(const QString &folder) {
        QLocalSocket socket;
        socket.connectToServer(SingleInstance::keyFor(folder));
        return socket.waitForConnected(200);
    }

    static QProcess *start(const QString &folder, const QStringList &more = {}) {
        auto *app = new QProcess;
        app->start(PACELOG_BINARY, QStringList{"--data-dir", folder} + more);
        return app;
    }

private slots:
    void secondStartHandsOver() {
        QTemporaryDir folder;
        std::unique_ptr<QProcess> first(start(folder.path()));
        QTRY_VERIFY_WITH_TIMEOUT(listening(folder.path()), 60000);

        // The same folder spelled another way is the same folder.
        std::unique_ptr<QProcess> second(start(folder.path() + "/./", {"--self-test"}));
        QVERIFY(second->waitForFinished(60000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(
            QString::fromLocal8Bit(second->readAllStandardError()).trimmed().split('\n').last(),
            QString("Pacelog is already running with this data folder"));
        QVERIFY(!second->readAllStandardOutput().contains("self-test"));

        // An import from the command line leaves the store to the running one, and says so.
        std::unique_ptr<QProcess> import(start(folder.path(), {"--import", folder.path()}));
        QVERIFY(import->waitForFinished(60000));
        QCOMPARE(import->exitCode(), 1);
        QVERIFY(import->readAllStandardError().startsWith(
            "Pacelog is already running with this data folder\npacelog: nothing was imported"));

        QByteArray firstSays;
        QTRY_VERIFY_WITH_TIMEOUT(
            (firstSays += first->readAllStandardError()).contains("brought the window forward"),
            10000);
        QCOMPARE(first->state(), QProcess::Running);

        // Killed, the first leaves its lock and socket file behind; neither blocks a new start.
        first->kill();
        QVERIFY(first->waitForFinished(10000));
        std::unique_ptr<QProcess> next(start(folder.path(), {"--self-test"}));
        QVERIFY(next->waitForFinished(120000));
        QCOMPARE(next->exitCode(), 0);
        QVERIFY(next->readAllStandardOutput().contains("self-test: "));
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
