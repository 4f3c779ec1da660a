#include "app/RateShareTableViewController.h"
#include "platform/AlertPresenter.h"
#include "platform/ShareSheet.h"

#include <QtTest>

class RateShareTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        AlertPresenter::instance()->clear();
        ShareSheet::instance()->dismiss();
        ShareSheet::instance()->setTargetCheck({});
    }

    void rateAddress_data() {
        QTest::addColumn<QString>("storePage");
        QTest::addColumn<QString>("opened");
        QTest::newRow("earlier query dropped")
            << "https://apps.apple.com/app/pacelog/id123?mt=8&action=open"
            << "https://apps.apple.com/app/pacelog/id123?action=write-review";
        QTest::newRow("no address, nothing opens") << QString() << QString();
    }
    void rateAddress() {
        QFETCH(QString, storePage);
        QFETCH(QString, opened);
        QCOMPARE(RateShareTableViewController::rateUrl(QUrl(storePage)).toString(), opened);
    }

    void alertsWithoutTargets_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("store link") << 1 << "Can't Send Text Message"
                                    << "Your Device is not able to send text messages.";
        QTest::newRow("feedback") << 4 << "Can't Send Email"
                                  << "Your Device is not able to send Email.";
    }
    void alertsWithoutTargets() {
        QFETCH(int, row);
        QFETCH(QString, title);
        QFETCH(QString, message);
        // No mail program and nothing to share to.
        qputenv("PACELOG_MAILER", "/nonexistent/mailer");
        ShareSheet::instance()->setTargetCheck([] { return false; });
        RateShareTableViewController screen;
        screen.didSelectRow(row);
        QCOMPARE(AlertPresenter::instance()->title(), title);
        QCOMPARE(AlertPresenter::instance()->message(), message);
        QCOMPARE(AlertPresenter::instance()->buttons(), QStringList{"OK"});
        QVERIFY(!ShareSheet::instance()->showing());
        qunsetenv("PACELOG_MAILER");
    }
};

QTEST_MAIN(RateShareTest)
#include "tst_rate_share.moc"
