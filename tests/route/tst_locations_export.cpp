#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "route/LocationSeeder.h"
#include "route/LocationsExportFile.h"

#include <QTemporaryDir>
#include <QtTest>

class LocationsExportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    static Context &context() { return AppDelegate::shared()->persistentContainer(); }

    QString writeFile(const QString &text) {
        const QString path = m_dir->filePath("export.txt");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(text.toUtf8());
        return path;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        AppDelegate::setDataDirectory(m_dir->path());
    }

    void orderAndNumberTexts() {
        QCOMPARE(LocationsExportFile::build(context()), QString());
        // Leg key first, then Miami's distance whatever the own leg's distance, then the
        // coordinates; unset distances are 0.0 and whole numbers get ".0".
        const QList<QVariantMap> places{
            {{"fromCity", "SLC"}, {"latitude", 41.0}, {"longitude", -112.0}, {"name", "B"}},
            {{"fromCity", "Miami"},
             {"latitude", 26.0},
             {"longitude", -81.0},
             {"milesFromMiami", 300.25},
             {"milesFromSLC", 1.0},
             {"name", "Z"}},
            {{"fromCity", "Miami"},
             {"latitude", 25.761681},
             {"longitude", -80.191788},
             {"milesFromMiami", 120.5},
             {"milesFromSLC", 500.0},
             {"name", "Homestead, FL"}},
            {{"fromCity", "Miami"},
             {"latitude", 25.5},
             {"longitude", -80.0},
             {"milesFromMiami", 120.5},
             {"name", "Y"}}};
        for (const QVariantMap &values : places) {
            Locations place;
            for (auto it = values.begin(); it != values.end(); ++it)
                place.setValue(it.key(), it.value());
            QVERIFY(context().insert(place));
        }
        QVERIFY(context().save());
        QCOMPARE(LocationsExportFile::build(context()),
                 "Miami^25.5^-80.0^0.0^120.5^0.0^0.0^Y\n"
                 "Miami^25.76168^-80.19179^0.0^120.5^0.0^500.0^Homestead, FL\n"
                 "Miami^26.0^-81.0^0.0^300.25^0.0^1.0^Z\n"
                 "SLC^41.0^-112.0^0.0^0.0^0.0^0.0^B\n");
    }

    void builtInPlacesLoadBackFromTheirExport() {
        LocationSeeder::seed();
        const int count = context().count(Locations::fetchRequest());
        QVERIFY(count > 100);
        const QString exported = LocationsExportFile::build(context());
        QCOMPARE(exported.count('\n'), count);
        LocationSeeder::seed(writeFile(exported));
        QCOMPARE(context().count(Locations::fetchRequest()), count);
        QCOMPARE(LocationsExportFile::build(context()), exported);
    }
};

QTEST_GUILESS_MAIN(LocationsExportTest)
#include "tst_locations_export.moc"
