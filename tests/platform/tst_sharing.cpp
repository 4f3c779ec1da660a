#include "platform/MailComposer.h"
#include "platform/ShareSheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

// The exchange page test mails an attachment with a subject through a fake mail program, finds
// a missing one refused and saves a file from the share sheet; the rate and share page test saves
// texts. Here a mail without subject or attachment, whose HTML body goes as the text it shows.
class TestSharing : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void mailWithoutSubjectOrAttachment() {
        const QString script = m_dir.filePath(QStringLiteral("mailer.sh"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"$(dirname \"$0\")/args.txt\"\n");
        file.close();
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PACELOG_MAILER", script.toLocal8Bit());

        bool done = false, handedOver = false;
        MailComposer::shared()->compose(
            {{QStringLiteral("me@example.org")}, {}, QStringLiteral("Hello <b>you</b>"), true, {}},
            [&](bool ok, const QString &) { done = true, handedOver = ok; });
        QTRY_VERIFY(done);
        QVERIFY(handedOver);
        QFile args(m_dir.filePath(QStringLiteral("args.txt")));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts),
                 (QStringList{"--body", "Hello you", "me@example.org"}));
        qunsetenv("PACELOG_MAILER");
    }

    // A save that fails part way (here the device is full: no file may grow past 4 KiB) leaves
    // the file saved there before, whether the person chose the file or the folder.
    void failedSaveKeepsTheEarlierFile_data() {
        QTest::addColumn<bool>("toFolder");
        QTest::newRow("chosen file") << false;
        QTest::newRow("save folder") << true;
    }
    void failedSaveKeepsTheEarlierFile() {
        QFETCH(bool, toFolder);
        QTemporaryDir source, target;
        const QString shared = source.filePath(QStringLiteral("Treadmill.csv"));
        const QString earlier = target.filePath(QStringLiteral("Treadmill.csv"));
        for (const auto &[path, bytes] :
             {std::pair{shared, QByteArray("[TREADMILL]\n").append(64 * 1024, 'x')},
              std::pair{earlier, QByteArray("[TREADMILL]\nthe earlier export\n")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        ShareSheet *sheet = ShareSheet::instance();
        sheet->present({}, {shared});

        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        rlimit full = saved;
        full.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        qputenv("PACELOG_SAVE_DIR", target.path().toLocal8Bit());
        const bool saved1 = toFolder ? sheet->saveToSaveDirectory()
                                     : sheet->saveTo(QUrl::fromLocalFile(earlier));
        qunsetenv("PACELOG_SAVE_DIR");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        sheet->dismiss();

        QVERIFY(!saved1);
        QFile kept(earlier);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("[TREADMILL]\nthe earlier export\n"));
        QCOMPARE(QDir(target.path()).entryList(QDir::Files), QStringList{"Treadmill.csv"});
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
