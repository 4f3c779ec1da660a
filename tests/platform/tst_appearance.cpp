#include "platform/Appearance.h"

#include <QtTest>

// The offscreen platform's palette is light, so GTK_THEME and the forced choice decide.
class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qunsetenv("GTK_THEME"); }

    void darkOrLight_data() {
        QTest::addColumn<QByteArray>("gtkTheme");
        QTest::addColumn<QString>("forced");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("dark");

        QTest::newRow("GTK dark variant") << QByteArray("Adwaita:dark") << "" << true << true;
        QTest::newRow("GTK dark theme") << QByteArray("Yaru-dark") << "" << true << true;
        QTest::newRow("GTK light theme") << QByteArray("Adwaita") << "" << true << false;
        QTest::newRow("forced dark") << QByteArray() << "dark" << true << true;
        QTest::newRow("forced light") << QByteArray("Adwaita:dark") << "light" << true << false;
        QTest::newRow("unknown keeps the system's")
            << QByteArray("Adwaita:dark") << "purple" << false << true;
    }
    void darkOrLight() {
        QFETCH(QByteArray, gtkTheme);
        QFETCH(QString, forced);
        QFETCH(bool, accepted);
        QFETCH(bool, dark);
        if (!gtkTheme.isEmpty())
            qputenv("GTK_THEME", gtkTheme);
        Appearance *appearance = Appearance::instance();
        QVERIFY(appearance->force(QString()));
        QCOMPARE(appearance->force(forced), accepted);
        QCOMPARE(appearance->dark(), dark);
    }
};

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
