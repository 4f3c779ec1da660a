#include "DataDirectory.h"
#include "model/ReviewService.h"

#include <QtTest>

class ReviewServiceTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;
    QDateTime m_now;
    bool m_active = true;
    int m_asked = 0;

    ReviewService &service() { return ReviewService::shared(); }

private slots:
    void init() {
        m_dir.fresh();
        // Two days after the clocks went forward in New York.
        m_now = QDateTime(QDate(2024, 3, 12), QTime(12, 0));
        m_active = true;
        m_asked = 0;
        service().setClock([this] { return m_now; });
        service().setActiveCheck([this] { return m_active; });
        service().setPrompt([this] { ++m_asked; });
    }

    void cleanup() {
        service().setClock({});
        service().setActiveCheck({});
        service().setPrompt({});
    }

    void canRequest_data() {
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<bool>("allowed");
        const QDateTime now(QDate(2024, 3, 12), QTime(12, 0));
        QTest::newRow("never asked") << QDateTime() << true;
        // Seven calendar days back across the clock change: 167 hours, not 168.
        QTest::newRow("seven days ago to the second") << now.addDays(-7) << false;
        QTest::newRow("one millisecond more") << now.addDays(-7).addMSecs(-1) << true;
        QTest::newRow("in the future") << now.addDays(30) << false;
    }

    void canRequest() {
        QFETCH(QDateTime, last);
        service().setLastRequest(last);
        QTEST(service().canRequest(), "allowed");
    }

    // The page test sees an active app asked and the attempt recorded. An inactive app is not
    // asked, yet the attempt counts, and a second attempt inside the week changes nothing.
    void inactiveAttemptStillRecorded() {
        m_active = false;
        service().requestReview();
        QCOMPARE(m_asked, 0);
        QCOMPARE(service().lastRequest(), m_now);
        m_now = m_now.addDays(3);
        m_active = true;
        service().requestReview();
        QCOMPARE(m_asked, 0);
        QCOMPARE(service().lastRequest(), m_now.addDays(-3));
    }
};

QTEST_MAIN(ReviewServiceTest)
#include "tst_review_service.moc"
