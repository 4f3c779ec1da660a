#include "DataDirectory.h"
#include "SessionRows.h"
#include "exchange/ImportViewController2.h"
#include "exchange/SessionExportFile.h"
#include "exchange/SessionImport.h"
#include "model/UndoService.h"
#include "platform/AlertPresenter.h"

// "<export>" as the file stands for the store's own export file.
class SessionImportTest : public QObject {
    Q_OBJECT
    DataDirectory m_dir;

private slots:
    void init() { m_dir.fresh(); }

    void merge_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("addedUpdatedPassed");
        QTest::addColumn<QStringList>("after");

        const QString a = "Mar 2, 2021^350^120^2.5^10^2021^3^2";
        const QString noCalories = "Mar 3, 2021^~^~^3^~^2021^3^3";
        QTest::newRow("own export: matches update, absent calories are added again")
            << QStringList{a, noCalories} << "<export>" << true << QList<int>{1, 1, 0}
            << QStringList{a, noCalories, noCalories};
        QTest::newRow("marker on the third line")
            << QStringList{} << "Mar 1, 2021^300^^2^^2021^3^1\n\n[TREADMILL]\n"
            << true << QList<int>{1, 0, 0} << QStringList{"Mar 1, 2021^300^~^2^~^2021^3^1"};
        QTest::newRow("marker and empty lines only")
            << QStringList{a} << "\n[TREADMILL]\n\n[TREADMILL]" << true << QList<int>{0, 0, 0}
            << QStringList{a};
        QTest::newRow("CR LF and CR line ends")
            << QStringList{} << "[TREADMILL]\r\nd1^300^^2^^2021^3^1\r\nd2^310^^2^^2021^3^2\r"
            << true << QList<int>{2, 0, 0}
            << QStringList{"d1^300^~^2^~^2021^3^1", "d2^310^~^2^~^2021^3^2"};
        QTest::newRow("apostrophes are removed before matching and storing")
            << QStringList{"Mar 1, 2021^300^~^2^~^2021^3^1", "Mar 4, '21^300^~^2^~^2021^3^4"}
            << "[TREADMILL]\nMar 1, 2021^3'00^9'6^2^^2021^3^1\nMar 4, '21^300^^2^^2021^3^4\n"
            << true << QList<int>{1, 1, 0}
            << QStringList{"Mar 1, 2021^300^96^2^~^2021^3^1", "Mar 4, '21^300^~^2^~^2021^3^4",
                           "Mar 4, 21^300^~^2^~^2021^3^4"};
        QTest::newRow("month 07 reads 7, 7.0 is not a month")
            << QStringList{"Jul 1^300^~^2^~^2021^7^1"}
            << "[TREADMILL]\nJul 2^300^^2^^2021^07^2\nJul 3^300^^2^^2021^7.0^+3\n"
               "Jul 1^300^^2^^2021^7.0^-1\n"
            << true << QList<int>{2, 1, 0}
            << QStringList{"Jul 1^300^~^2^~^2021^7^-1", "Jul 2^300^~^2^~^2021^7^2",
                           "Jul 3^300^~^2^~^2021^~^3"};
        QTest::newRow("an update keeps what the line leaves empty")
            << QStringList{a} << "[TREADMILL]\nMar 2, 2021^350^^2.5^11^^^\n"
            << true << QList<int>{0, 1, 0} << QStringList{"Mar 2, 2021^350^120^2.5^11^2021^3^2"};
        QTest::newRow("short line: missing keys are empty texts, extra fields ignored")
            << QStringList{"x^~^~^~^~^2021^1^1", "y^5^~^^~^2021^1^1"}
            << "[TREADMILL]\nx\ny^5\nz^1^2^3^4^2021^5^6^7^8\n"
            << true << QList<int>{2, 1, 0}
            << QStringList{"x^~^~^~^~^2021^1^1", "y^5^~^^~^2021^1^1", "x^~^~^~^~^~^~^~",
                           "z^1^2^3^4^2021^5^6"};
    }
    void merge() {
        QFETCH(QStringList, before);
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, addedUpdatedPassed);
        QFETCH(QStringList, after);
        SessionRows::store(before);
        Context &context = AppDelegate::shared()->persistentContainer();
        if (file == "<export>")
            file = SessionExportFile::build(context).value_or(QString());

        SessionImport import(file);
        QCOMPARE(import.isAccepted(), accepted);
        while (!import.atEnd())
            import.mergeNext(context);
        QVERIFY(!context.hasChanges());
        QCOMPARE(import.linesDone(), accepted ? import.lineCount() : 0);
        QCOMPARE((QList<int>{import.added(), import.updated(), import.passedOver()}),
                 addedUpdatedPassed);
        QCOMPARE(SessionRows::stored(), after);
    }

    // Going back while the lines are merged: the import goes on to its end without the screen,
    // and then says what it did.
    void leavingTheScreenFinishesTheImport() {
        QString text = QStringLiteral("[TREADMILL]\n");
        for (int i = 0; i < 3000; ++i)
            text += QStringLiteral("Mar 2, 2021 #%1^350^^2.5^^2021^3^2\n").arg(i);
        const QString path = m_dir.filePath("Treadmill.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
        file.close();

        AlertPresenter::instance()->clear();
        auto screen = std::make_unique<ImportViewController2>();
        screen->viewDidLoad();
        screen->didPickDocument(path);
        AlertPresenter::instance()->clear();
        screen->ImportTextFile();
        screen.reset(); // the person went back before the first slice was merged
        const int storedWhenLeft = SessionRows::stored().size();
        QCOMPARE(storedWhenLeft, 0);

        QTRY_VERIFY_WITH_TIMEOUT(AlertPresenter::instance()->showing(), 120000);
        QCOMPARE(AlertPresenter::instance()->message(),
                 QString("Data Import Completed\nAdded: 3000   Updated: 0   Passed over: 0"));
        QCOMPARE(SessionRows::stored().size(), 3000);
        AlertPresenter::instance()->clear();

        // The whole import is offered for undo, and undone in one go.
        QVERIFY(UndoService::shared()->offered());
        QVERIFY(UndoService::shared()->undo());
        QCOMPARE(SessionRows::stored().size(), 0);
        UndoService::shared()->clear();
    }
};

QTEST_GUILESS_MAIN(SessionImportTest)
#include "tst_session_import.moc"
