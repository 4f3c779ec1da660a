#include "platform/MailComposer.h"
#include "platform/ShareSheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The exchange page test mails an attachment with a subject through a fake mail program, finds
// a missing one refused and saves a file from the share sheet. Here the other hand-offs: a mail
// without subject or attachment, and texts saved by the sheet's save button.
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
                 (QStringList{"--body", "Hello <b>you</b>", "me@example.org"}));
        qunsetenv("PACELOG_MAILER");
    }

    void textsSavedAsLines() {
        qputenv("PACELOG_SAVE_DIR", m_dir.path().toLocal8Bit());
        ShareSheet *sheet = ShareSheet::instance();
        sheet->present({QStringLiteral("one"), QStringLiteral("two")});
        QVERIFY(sheet->saveToSaveDirectory());
        QFile text(m_dir.filePath(QStringLiteral("Pacelog.txt")));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("one\ntwo\n"));
        sheet->dismiss();
        qunsetenv("PACELOG_SAVE_DIR");
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
