#include "platform/MailComposer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
