#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/PrintController.h"
#include "summary/TotalsReport.h"
#include "summary/TotalsViewController.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

// Stands in for the print dialog: keeps what it was given and answers at once.
class RecordingPrinter : public PrintController {
public:
    bool completes = true;
    QStringList printed; // each document's description

    void present(const QTextDocument &document, Completion completion) override {
        printed << document.toHtml();
        completion(completes, QString());
    }
};

class TotalsReportTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;
    RecordingPrinter m_printer;

    static TotalsReport::Texts sample() {
        TotalsReport::Texts t;
        t.todaysDate = QStringLiteral("Mar 5, 2026");
        t.ltdHeader = QStringLiteral("LTD Totals ( First Entry Jan 2, 2020 )");
        t.ltd = {"2,301.00", "690.50", "2,510.00", "8,249.345"};
        t.ytd = {"1,201.00", "360.50", "500.00", "209.345"};
        t.mtd = {"701.00", "210.50", "99.50", ""};
        t.routeExplanation = QStringLiteral("Starting City = Miami, FL Destination City = Miami, "
                                            "FL  (via: SLC, Seattle, Bangor) Total Miles = 8,288");
        t.legCaptions = {"Miles To SLC, UT = 2448", "Miles To Seattle, WA = 840",
                         "Miles to Bangor ME = 3257", "Miles to Miami, FL = 1743"};
        t.legStatus = {"Completed", "818.00 To Go", "3,257.00 To Go", "1,743.00 To Go"};
        return t;
    }

    // One line per paragraph: its alignment, then each run as text{colour font}.
    static QStringList runs(const QTextDocument &document) {
        QStringList lines;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            const QTextBlockFormat paragraph = block.blockFormat();
            QString line;
            if (!paragraph.hasProperty(QTextFormat::BlockAlignment))
                line = QStringLiteral("natural:");
            else if (paragraph.alignment() == Qt::AlignHCenter)
                line = QStringLiteral("centre:");
            else
                line = QStringLiteral("other:");
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                const QString font = f.hasProperty(QTextFormat::FontFamilies)
                                         ? f.fontFamilies().toStringList().join(',') + ' ' +
                                               QString::number(f.fontPointSize())
                                         : QStringLiteral("default");
                line += QStringLiteral(" [%1]{%2 %3}")
                            .arg(it.fragment().text(), f.foreground().color().name(QColor::HexArgb),
                                 font);
            }
            lines << line;
        }
        return lines;
    }

private slots:
    void init() {
        m_dir.fresh();
        Formatting::setLocale(QStringLiteral("en_US"));
        m_printer.printed.clear();
        m_printer.completes = true;
        PrintController::setShared(&m_printer);
    }

    void cleanup() { PrintController::setShared(nullptr); }

    // The report line by line: each paragraph's alignment and its runs of text and style. The
    // three blocks of totals share one layout.
    void linesAndStyleRuns() {
        const TotalsReport::Texts t = sample();
        const QString title = QStringLiteral("{#ff000000 Arial 18}");
        const QString plain = QStringLiteral("{#ff000000 default}");
        const QString clear = QStringLiteral("{#00000000 default}");
        QStringList expected{"centre: [Todays Date is: Mar 5, 2026]" + title, "centre:"};
        const QStringList headers{t.ltdHeader, "YTD Totals", "MTD Totals"};
        const std::array<TotalsReport::Block, 3> figures{t.ltd, t.ytd, t.mtd};
        const QStringList labels{" Cals:       ", " Fat Cals: ", " Miles:      ", " Laps:       "};
        for (int block = 0; block < 3; ++block) {
            expected << "centre: [" + headers[block] + "]" + title << "natural:";
            for (int i = 0; i < 4; ++i)
                expected << "natural: [" + headers[block].left(3) + labels[i] + figures[block][i] +
                                "]" + plain;
            expected << "natural:";
        }
        expected << "centre: [" + QString(52, '_') + "]" + title << "natural:"
                 << "centre: [" + t.routeExplanation + "]{#ff0000ff Arial 14}"
                 << "natural:";
        for (int leg = 0; leg < 4; ++leg)
            expected << "natural: [" + t.legCaptions[leg] + "]" + plain + " [  -  ]" + clear +
                            " [" + t.legStatus[leg] + "]" + plain;
        QCOMPARE(runs(TotalsReport::build(t).document()), expected);
    }

    void printingLogsCompletedJobs_data() {
        QTest::addColumn<bool>("completes");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }

    void printingLogsCompletedJobs() {
        QFETCH(bool, completes);
        m_printer.completes = completes;
        addSession(QDateTime(QDate(2024, 2, 3), QTime(8, 0)), "450", "5.5", "10", "4");
        TotalsViewController c;
        c.viewDidLoad();
        static QStringList infoLines;
        infoLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext &, const QString &message) {
                if (type == QtInfoMsg)
                    infoLines << message;
            });
        // A second press prints the same report again, not one appended to the first.
        c.PrintButtonClicked();
        c.PrintButtonClicked();
        qInstallMessageHandler(previous);
        QCOMPARE(infoLines, completes ? QStringList(2, "Image is Printed") : QStringList{});
        QCOMPARE(m_printer.printed.size(), 2);
        QCOMPARE(m_printer.printed.at(1), m_printer.printed.at(0));
    }

    // The report copies the screen: km captions on the legs, "Miles" still on the totals.
    void reportFollowsTheScreen() {
        AppState::instance()->setDistanceUnit(QStringLiteral("Kilometers"));
        addSession(QDateTime(QDate(2024, 2, 3), QTime(8, 0)), "450", "4000", "10", "4");
        TotalsViewController c;
        c.viewDidLoad();
        c.rangeDatePickerChanged(QDateTime(QDate(2024, 2, 10), QTime(9, 0)));
        QTest::ignoreMessage(QtInfoMsg, "Image is Printed");
        c.PrintButtonClicked();
        const QStringList lines = c.TotalsString().text().split('\n');
        QCOMPARE(lines.at(2), "LTD Totals ( First Entry Feb 3, 2024 )");
        QCOMPARE(lines.at(6), "LTD Miles:      4,000.00");
        QCOMPARE(lines.at(13), "YTD Miles:      4,000.00");
        QVERIFY(lines.at(25).endsWith("Total km = 13,338.24"));
        QCOMPARE(lines.mid(27), (QStringList{"km To SLC, UT = 3939.67  -  Completed",
                                             "km To Seattle, WA = 1351.85  -  1,355.89 To Go",
                                             "km to Bangor ME = 5241.63  -  6,597.53 To Go",
                                             "km to Miami, FL = 2805.08  -  9,338.24 To Go"}));
    }

    // The desktop path: the print dialog, cancelled or accepted with a file as the printer.
    // The dialog is not modal: nothing is reported until the person answers, and a
    // cancelled dialog reports an uncompleted job.
    void cancelledPrintDialog() {
        PrintController::setShared(nullptr);
        QTextDocument document(QStringLiteral("Totals"));
        int calls = 0;
        bool completed = true;
        PrintController::shared()->present(document, [&](bool done, const QString &) {
            ++calls;
            completed = done;
        });
        QPrintDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QPrintDialog *>(w); d && d->isVisible())
                dialog = d;
        }
        QVERIFY(dialog);
        QCOMPARE(calls, 0);
        dialog->reject();
        QCOMPARE(calls, 1);
        QVERIFY(!completed);
    }
};

QTEST_MAIN(TotalsReportTest)
#include "tst_totals_report.moc"
