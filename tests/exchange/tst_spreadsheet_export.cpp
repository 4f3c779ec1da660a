#include "DataDirectory.h"
#include "SessionFixture.h"
#include "exchange/SpreadsheetExportFile.h"

#include <QTest>

// The spreadsheet file: a header row, one row per session by day, fields quoted as RFC 4180
// needs, CR LF line ends.
class SpreadsheetExportTest : public QObject {
    Q_OBJECT
    DataDirectory m_dir;

private slots:
    void init() { m_dir.fresh(); }

    void build_data() {
        QTest::addColumn<bool>("miles");
        QTest::addColumn<QString>("expected");
        QTest::newRow("miles") << true
                               << "date,calories,fatCalories,distance,unit,laps\r\n"
                                  ",x,,\"1,5\",mi,\r\n"
                                  "2021-03-02,350,109.1,2.5,mi,10.00\r\n"
                                  "2021-03-10,\"say \"\"hi\"\"\",,\"line\nbreak\",mi,\r\n";
        QTest::newRow("kilometres") << false
                                    << "date,calories,fatCalories,distance,unit,laps\r\n"
                                       ",x,,\"1,5\",km,\r\n"
                                       "2021-03-02,350,109.1,2.5,km,10.00\r\n"
                                       "2021-03-10,\"say \"\"hi\"\"\",,\"line\nbreak\",km,\r\n";
    }
    void build() {
        QFETCH(bool, miles);
        QFETCH(QString, expected);
        addSession(QDateTime(QDate(2021, 3, 10), QTime(8, 0)), "say \"hi\"", "line\nbreak");
        addSession(QDateTime(QDate(2021, 3, 2), QTime(8, 0)), "350", "2.5", "109.1", "10.00");
        // A session from an export file without month or day has no date to write.
        UserData noDay = addImported("someday", "2021");
        Context &context = AppDelegate::shared()->persistentContainer();
        noDay.setCalories("x");
        noDay.setDistance("1,5");
        QVERIFY(context.change(noDay) && context.save());
        QCOMPARE(SpreadsheetExportFile::build(context, miles), expected);
    }
};

QTEST_GUILESS_MAIN(SpreadsheetExportTest)
#include "tst_spreadsheet_export.moc"
