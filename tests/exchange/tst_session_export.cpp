#include "DataDirectory.h"
#include "SessionRows.h"
#include "exchange/SessionExportFile.h"

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
};

QTEST_GUILESS_MAIN(SessionExportTest)
#include "tst_session_export.moc"
