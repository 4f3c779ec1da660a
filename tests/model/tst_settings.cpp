#include "DataDirectory.h"
#include "model/AppState.h"
#include "model/DefaultSettingsViewController.h"
#include "model/Settings.h"

#include <QFile>
#include <QSettings>
#include <QtTest>

class SettingsTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    // The file as another program would read it.
    QVariant onDisk(const QString &key) {
        QSettings file(m_dir.filePath("settings.ini"), QSettings::IniFormat);
        return file.value(key);
    }
    void writeFile(const QByteArray &text) {
        QFile f(m_dir.filePath("settings.ini"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
        f.close();
        Settings::standard().reload();
    }

private slots:
    void init() { m_dir.fresh(); }

    void kindsSurviveTheFile() {
        Settings &s = Settings::standard();
        s.setString("FirstTime", "true");
        s.setBool("UseDateWheel", true);
        const QDateTime moment(QDate(2026, 3, 5), QTime(14, 30, 15, 250));
        s.setDate("ReviewService.lastRequest", moment);
        Settings::standard().reload();
        QCOMPARE(s.string("FirstTime"), QString("true"));
        QVERIFY(s.boolForKey("FirstTime")); // text "true" reads as a true boolean
        QVERIFY(s.boolForKey("UseDateWheel"));
        QCOMPARE(s.dateForKey("ReviewService.lastRequest"), moment);
        QCOMPARE(onDisk("UseDateWheel").toString(), QString("true"));
    }

    void valuesOfTheWrongKindReadAsAbsent() {
        writeFile("[General]\nUseDateWheel=banana\nReviewService.lastRequest=yesterday\n");
        Settings &s = Settings::standard();
        QVERIFY(!s.boolForKey("UseDateWheel"));
        QVERIFY(!s.dateForKey("ReviewService.lastRequest").isValid());
        QVERIFY(s.string("ReviewService.lastRequest") == "yesterday");
    }

    void openingTheScreen_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QList<bool>>("switches"); // miles, km, wheel, inline, compact, menu
        const QList<bool> fresh{true, false, false, false, false, false};
        QTest::newRow("fresh install") << QByteArray() << "Miles" << fresh;
        QTest::newRow("an unknown unit counts as kilometres")
            << QByteArray("Distance=Furlongs\nUseDateWheel=true\n") << "Furlongs"
            << QList<bool>{false, true, true, false, false, false};
        QByteArray junk;
        for (int i = 0; i < 3000; ++i)
            junk.append(char(i * 7919 % 251));
        QTest::newRow("binary junk reads as a fresh install") << junk << "Miles" << fresh;
        QTest::newRow("values that are not text read as absent")
            << QByteArray("Distance=Miles, Kilometers\nUseDateWheel=@ByteArray(\\x1)\n"
                          "UseDateInline=@Variant(\\0\\0\\0\\x7f\\0junk)\n")
            << "Miles" << fresh;
    }
    void openingTheScreen() {
        QFETCH(QByteArray, file);
        QFETCH(QString, unit);
        QFETCH(QList<bool>, switches);
        writeFile("[General]\n" + file);
        DefaultSettingsViewController screen;
        screen.viewDidLoad();
        QCOMPARE(AppState::instance()->distanceUnit(), unit);
        const QList<bool> shown{
            screen.MilesSwitch()->checked(),       screen.KilometersSwitch()->checked(),
            screen.DateWheelSwitch()->checked(),   screen.DateInlineSwitch()->checked(),
            screen.DateCompactSwitch()->checked(), screen.MainMenuSwitch()->checked()};
        QCOMPARE(shown, switches);
        QVERIFY(!onDisk("Distance").isValid() || !file.isEmpty()); // opening writes nothing
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
