#include "DataDirectory.h"
#include "SessionFixture.h"
#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "route/LocationSeeder.h"
#include "route/LocationsExportFile.h"

#include <QtTest>

// A place as one caret line, fields in file order, so a whole store compares as a list.
static QString line(const Locations &p) {
    QStringList f{p.fromCity()};
    for (const char *key : {"latitude", "longitude", "milesFromBangor", "milesFromMiami",
                            "milesFromSeattle", "milesFromSLC"})
        f << QString::number(double(p.value(key).toFloat()));
    const QVariant name = p.value("name");
    return (f << (name.isValid() ? name.toString() : "<none>")).join('^');
}

class LocationSeederTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

    QString writeFile(const QByteArray &bytes) {
        const QString path = m_dir.filePath("places.txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(bytes);
        return path;
    }

    QStringList placeLines() {
        QStringList out;
        Context &context = AppDelegate::shared()->persistentContainer();
        for (const Locations &p : context.fetchAs<Locations>(Locations::fetchRequest()))
            out << line(p);
        return out;
    }

private slots:
    void init() { m_dir.fresh(); }

    void linesBecomePlaces_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("carriage returns are ignored")
            << QByteArray("Miami^25.5^-80.25^0^120^0^0^A\r\nSLC^41^-112^0^0^0^36^B\r\n")
            << QStringList{"Miami^25.5^-80.25^0^120^0^0^A", "SLC^41^-112^0^0^0^36^B"};
        QTest::newRow("same leg and coordinates, written differently: first line wins")
            << QByteArray("Bangor^44.5^-69^5^0^0^0^A\nBangor^44.50^-69.0^6^0^0^0^B\n")
            << QStringList{"Bangor^44.5^-69^5^0^0^0^A"};
        QTest::newRow("same coordinates on another leg are kept")
            << QByteArray("Miami^25.5^-80.25^0^1^0^0^A\nSLC^25.5^-80.25^0^0^0^2^B\n")
            << QStringList{"Miami^25.5^-80.25^0^1^0^0^A", "SLC^25.5^-80.25^0^0^0^2^B"};
        QTest::newRow("three fields: leg and coordinates only")
            << QByteArray("Seattle^47.5^-122\n") << QStringList{"Seattle^47.5^-122^0^0^0^0^<none>"};
        QTest::newRow("empty lines and lines of nine fields are skipped")
            << QByteArray("\n\nMiami^1^2^0^0^0^0^A^extra\nBangor^44^-69^5^0^0^0^B\n\n")
            << QStringList{"Bangor^44^-69^5^0^0^0^B"};
        QTest::newRow("a field that is not a number skips its line")
            << QByteArray("Miami^25,5^-80^0^0^0^0^comma\n"
                          "Miami^ 25^-80^0^0^0^0^blank\n"
                          "Bangor^44^-69^5^0^0^0^B\n")
            << QStringList{"Bangor^44^-69^5^0^0^0^B"};
        QTest::newRow("no line feed after the last line")
            << QByteArray("Bangor^44^-69^5^0^0^0^B") << QStringList{"Bangor^44^-69^5^0^0^0^B"};
        QTest::newRow("leg key and name kept exactly as written")
            << QByteArray("miami ^1^2^0^3^0^0^ Lower \n")
            << QStringList{"miami ^1^2^0^3^0^0^ Lower "};
        QTest::newRow("names in UTF-8")
            << QByteArray("Seattle^47.75^-116.75^0^0^295^0^C\xc5\x93ur d'Al\xc3\xa8ne, ID\n")
            << QStringList{QString::fromUtf8(
                   "Seattle^47.75^-116.75^0^0^295^0^C\xc5\x93ur d'Al\xc3\xa8ne, ID")};
    }
    void linesBecomePlaces() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, expected);
        QVERIFY(LocationSeeder::seed(writeFile(file)));
        QCOMPARE(placeLines(), expected);
    }

    void unreadableFileInsertsNothing_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("neither UTF-8 nor ASCII")
            << true << QByteArray("Seattle^47.75^-116.75^0^0^295^0^Coeur d'Al\xe8ne\n");
    }
    // Seeding replaces what is stored, the user's own places too.
    void unreadableFileInsertsNothing() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, file);
        addPlace("Miami", "My Gym", 26.5f, -80.5f);
        const QString path = exists ? writeFile(file) : m_dir.filePath("absent.txt");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
        QVERIFY(LocationSeeder::seed(path));
        QVERIFY(placeLines().isEmpty());
    }

    // The places' export file loads back as the same places (the page test shows its lines).
    void builtInPlacesLoadBackFromTheirExport() {
        QVERIFY(LocationSeeder::seed());
        Context &context = AppDelegate::shared()->persistentContainer();
        const QString exported = LocationsExportFile::build(context).value_or("not read");
        QCOMPARE(exported.count('\n'), placeLines().size());
        QVERIFY(LocationSeeder::seed(writeFile(exported.toUtf8())));
        QCOMPARE(LocationsExportFile::build(context), exported);
    }
};

QTEST_GUILESS_MAIN(LocationSeederTest)
#include "tst_location_seeder.moc"
