#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppState.h"
#include "platform/Formatting.h"
#include "platform/PrintController.h"
#include "summary/TotalsViewController.h"

#include <QApplication>
#include <QPrintDialog>
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

private slots:
    void init() {
        m_dir.fresh();
        Formatting::setLocale(QStringLiteral("en_US"));
        m_printer.printed.clear();
        m_printer.completes = true;
        PrintController::setShared(&m_printer);
    }

    void cleanup() { PrintController::setShared(nullptr); }

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
        QList<bool> answers;
        PrintController::shared()->present(document,
                                           [&](bool done, const QString &) { answers << done; });
        QPrintDialog *dialog = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QPrintDialog *>(w); d && d->isVisible())
                dialog = d;
        }
        QVERIFY(dialog);
        QVERIFY(answers.isEmpty());
        dialog->reject();
        QCOMPARE(answers, QList<bool>{false});
    }
};

QTEST_MAIN(TotalsReportTest)
#include "tst_totals_report.moc"
