#include "platform/MailComposer.h"
#include "platform/ShareSheet.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The mail hand-off runs a fake mail program that writes its arguments, and whether the
// attachment existed, into a file; the share sheet saves into $PACELOG_SAVE_DIR.
class TestSharing : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString writeFile(const QString &name, const QByteArray &content) {
        QFile file(m_dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return file.fileName();
    }

private slots:
    void initTestCase() {
        const QString script = writeFile(
            QStringLiteral("mailer.sh"),
            "#!/bin/sh\nout=\"$(dirname \"$0\")/args.txt\"\n: > \"$out\"\n"
            "prev=\nfor a in \"$@\"; do\n  echo \"$a\" >> \"$out\"\n"
            "  if [ \"$prev\" = --attach ] && [ -f \"$a\" ]; then echo exists >> \"$out\"; fi\n"
            "  prev=$a\ndone\n");
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void mailerArguments_data() {
        QTest::addColumn<QString>("subject");
        QTest::addColumn<bool>("attach");
        QTest::addColumn<QStringList>("expected");
        const QString file = m_dir.filePath(QStringLiteral("Treadmill.csv"));
        QTest::newRow("subject, body, attachment, recipient")
            << "Sessions" << true
            << QStringList{"--subject", "Sessions", "--body", "Hello <b>you</b>",
                           "--attach",  file,       "exists", "me@example.org"};
        QTest::newRow("no subject, no attachment")
            << QString() << false << QStringList{"--body", "Hello <b>you</b>", "me@example.org"};
    }
    void mailerArguments() {
        QFETCH(QString, subject);
        QFETCH(bool, attach);
        QFETCH(QStringList, expected);
        writeFile(QStringLiteral("Treadmill.csv"), "[TREADMILL]\n");
        qputenv("PACELOG_MAILER", m_dir.filePath(QStringLiteral("mailer.sh")).toLocal8Bit());
        MailComposer *composer = MailComposer::shared();
        QVERIFY(composer->canSendMail());

        MailMessage message{{QStringLiteral("me@example.org")},
                            subject,
                            QStringLiteral("Hello <b>you</b>"),
                            true,
                            {}};
        if (attach)
            message.attachments << m_dir.filePath(QStringLiteral("Treadmill.csv"));
        bool done = false, handedOver = false;
        composer->compose(message, [&](bool ok, const QString &) { done = true, handedOver = ok; });
        QTRY_VERIFY(done);
        QVERIFY(handedOver);
        QFile args(m_dir.filePath(QStringLiteral("args.txt")));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts), expected);
    }

    void missingMailerCannotSend() {
        qputenv("PACELOG_MAILER", m_dir.filePath(QStringLiteral("no-such-mailer")).toLocal8Bit());
        QVERIFY(!MailComposer::shared()->canSendMail());
        bool handedOver = true;
        MailComposer::shared()->compose({}, [&](bool ok, const QString &) { handedOver = ok; });
        QVERIFY(!handedOver);
    }

    void sharedFileSavedAtOnce() {
        QTemporaryDir saveDir;
        qputenv("PACELOG_SAVE_DIR", saveDir.path().toLocal8Bit());
        const QString file = writeFile(QStringLiteral("Locations.txt"), "Miami^1^2\n");
        ShareSheet *sheet = ShareSheet::instance();
        sheet->present({QStringLiteral("Have a look")}, {file});
        QVERIFY(sheet->showing());
        QCOMPARE(sheet->items(), (QStringList{QStringLiteral("Have a look"), file}));
        QFile saved(saveDir.filePath(QStringLiteral("Locations.txt")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("Miami^1^2\n"));

        // Texts alone are saved as lines of a text file by the sheet's save button.
        sheet->present({QStringLiteral("one"), QStringLiteral("two")});
        QVERIFY(sheet->saveToSaveDirectory());
        QFile text(saveDir.filePath(QStringLiteral("Pacelog.txt")));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(text.readAll(), QByteArray("one\ntwo\n"));
        sheet->dismiss();
        qunsetenv("PACELOG_SAVE_DIR");
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
