#include "DataDirectory.h"
#include "SessionRows.h"
#include "exchange/ExportViewController.h"
#include "exchange/SessionExportFile.h"
#include "platform/AlertPresenter.h"

class SessionExportTest : public QObject {
    Q_OBJECT
    DataDirectory m_dir;

private slots:
    void init() { m_dir.fresh(); }

    void fileBytes_data() {
        QTest::addColumn<QStringList>("sessions");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no sessions: the marker line alone")
            << QStringList{} << QByteArray("[TREADMILL]\n");
        QTest::newRow("stored texts go out unchanged")
            << QStringList{"Mär 2, 2021^350^120^ 2,5 ^10^2021^3^2"}
            << QByteArray("[TREADMILL]\nM\xc3\xa4r 2, 2021^350^120^ 2,5 ^10^2021^3^2\n");
        QTest::newRow("optional fields absent: five carets in a row")
            << QStringList{"Mar 2, 2021^~^~^~^~^2021^3^2"}
            << QByteArray("[TREADMILL]\nMar 2, 2021^^^^^2021^3^2\n");
        QTest::newRow("month 2 before 11, day 3 before 10")
            << QStringList{"a^1^1^1^1^2021^11^1", "b^1^1^1^1^2021^2^10", "c^1^1^1^1^2021^2^3"}
            << QByteArray("[TREADMILL]\nc^1^1^1^1^2021^2^3\nb^1^1^1^1^2021^2^10\n"
                          "a^1^1^1^1^2021^11^1\n");
        QTest::newRow("a session without month or day keeps empty fields")
            << QStringList{"a^1^1^1^1^2021^~^~"} << QByteArray("[TREADMILL]\na^1^1^1^1^2021^^\n");
    }
    void fileBytes() {
        QFETCH(QStringList, sessions);
        QFETCH(QByteArray, bytes);
        SessionRows::store(sessions);
        const QString path = m_dir.filePath("Treadmill.csv");
        const auto text = SessionExportFile::build(AppDelegate::shared()->persistentContainer());
        QVERIFY(text);
        QVERIFY(SessionExportFile::write(*text, path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }

    // A page of the store damaged after the sessions were saved: the read fails part way, and
    // the export says so instead of offering a cut file as the whole log.
    void damagedStoreMakesNoFile() {
        Context &context = AppDelegate::shared()->persistentContainer();
        for (int i = 0; i < 3000; ++i) {
            UserData session;
            session.setDate(QStringLiteral("Mar 2, 2021 session %1").arg(i));
            session.setCalories("350");
            session.setDistance("2.5");
            QVERIFY(context.insert(session));
        }
        QVERIFY(context.save());
        // Closing the shared connection moves the journal into the file.
        AppDelegate::setDataDirectory(m_dir.path());
        QFile store(AppDelegate::storePath());
        QVERIFY(store.open(QIODevice::ReadWrite));
        const qint64 pageSize = 4096;
        const qint64 pages = store.size() / pageSize;
        QVERIFY(pages > 20);
        for (qint64 page = pages * 3 / 4; page < pages * 3 / 4 + 4; ++page) {
            QVERIFY(store.seek(page * pageSize));
            store.write(QByteArray(pageSize, '\x5a'));
        }
        store.close();

        Context &damaged = AppDelegate::shared()->persistentContainer();
        int visited = 0;
        QString error;
        QVERIFY(!damaged.walk(
            UserData::fetchRequest(), [&](const Record &) { ++visited; }, &error));
        QVERIFY2(visited > 0 && visited < 3000, qPrintable(QString::number(visited)));
        QVERIFY(!error.isEmpty());
        QVERIFY(!SessionExportFile::build(damaged));

        AlertPresenter::instance()->clear();
        ExportViewController screen;
        screen.viewDidLoad();
        screen.CreateUpdateFile();
        QTRY_VERIFY(AlertPresenter::instance()->showing());
        QVERIFY2(AlertPresenter::instance()->message().startsWith(
                     "Not every session could be read from the store, so no export file was "
                     "made: "),
                 qPrintable(AlertPresenter::instance()->message()));
        QVERIFY(screen.DataString().isEmpty());
        QVERIFY(!screen.SaveButton()->enabled() && !screen.EmailButton()->enabled());
        QVERIFY(screen.ExportButton()->enabled()); // the person may try again
        AlertPresenter::instance()->clear();
    }
};

QTEST_GUILESS_MAIN(SessionExportTest)
#include "tst_session_export.moc"
