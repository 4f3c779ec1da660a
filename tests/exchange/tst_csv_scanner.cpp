#include "DataDirectory.h"
#include "SessionRows.h"
#include "exchange/CSVScanner.h"

class CSVScannerTest : public QObject {
    Q_OBJECT
    DataDirectory m_dir;

private slots:
    void init() { m_dir.fresh(); }

    void scan_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("stored");
        const QStringList two{"a^1^2^3^4^2021^5^6", "b^1^2^3^4^2021^5^7"};
        QTest::newRow("LF, final LF")
            << QByteArray("a,1,2,3,4,2021,5,6\nb,1,2,3,4,2021,05,7\n") << two;
        QTest::newRow("CR only") << QByteArray("a,1,2,3,4,2021,5,6\rb,1,2,3,4,2021,5,7\r") << two;
        QTest::newRow("CR LF") << QByteArray("a,1,2,3,4,2021,5,6\r\nb,1,2,3,4,2021,5,7") << two;
        QTest::newRow("blank lines")
            << QByteArray("\na,1,2,3,4,2021,5,6\n\n\n\nb,1,2,3,4,2021,5,7\n\n") << two;
        QTest::newRow("quotes are ordinary characters")
            << QByteArray("\"Mar 2\",\"1\",2,3,4,2021,\"5\",6\n")
            << QStringList{"\"Mar 2\"^\"1\"^2^3^4^2021^~^6"};
        QTest::newRow("a comma always separates") << QByteArray("Mar 2, 2021,1,2,3,4,2021,5,6\n")
                                                  << QStringList{"Mar 2^ 2021^1^2^3^4^2021^5"};
        QTest::newRow("six fields: month and day absent")
            << QByteArray("a,1,2,3,4,2021\n") << QStringList{"a^1^2^3^4^2021^~^~"};
        QTest::newRow("month and day must be 16-bit whole numbers")
            << QByteArray("a,1,2,3,4,2021, 5,5.0\nb,,,,,2021,May,32768\nc,1,2,3,4,2021,+7,-2,x\n")
            << QStringList{"a^1^2^3^4^2021^~^~", "b^^^^^2021^~^~", "c^1^2^3^4^2021^7^-2"};
        QTest::newRow("empty first field: not stored")
            << QByteArray(",1,2,3,4,2021,5,6\n") << QStringList{};
    }
    void scan() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, stored);
        const QString path = m_dir.filePath("data.csv");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        QCOMPARE(CSVScanner::scanCSV(path), int(stored.size()));
        QCOMPARE(SessionRows::stored(), stored);
    }

    void missingOrBrokenFileStoresNothing() {
        QCOMPARE(CSVScanner::scanCSV(m_dir.filePath("none.csv")), 0);
        const QString path = m_dir.filePath("latin1.csv");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("M\xe4r 2,1,2,3,4,2021,5,6\n");
        out.close();
        QCOMPARE(CSVScanner::scanCSV(path), 0);
        QCOMPARE(SessionRows::stored(), QStringList{});
    }

    void builtInDataIsReadable() {
        const int stored = CSVScanner::scanCSV(CSVScanner::resourcePath("caloriesburned"));
        QVERIFY(stored > 300);
        // Every session of the built-in data has its month and day.
        for (const QString &row : SessionRows::stored())
            QVERIFY2(!row.endsWith("~"), qPrintable(row));
    }
};

QTEST_GUILESS_MAIN(CSVScannerTest)
#include "tst_csv_scanner.moc"
