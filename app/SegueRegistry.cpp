#include "app/SegueRegistry.h"

const QList<SegueRegistry::Segue> &SegueRegistry::segues() {
    static const QList<Segue> table = {
        {"MainMenuViewController", "showList", "log/MasterPage.qml"},
        {"MainMenuViewController", "showAddSession", "log/EnterTreadmillDataPage.qml"},
        {"MainMenuViewController", "showTotals", "summary/TotalsPage.qml"},
        {"MainMenuViewController", "showMilesSummary", "summary/YearlyPage.qml"},
        {"MainMenuViewController", "showSettings", "model/DefaultSettingsPage.qml"},
        {"MainMenuViewController", "showLocationList", "route/LocationListPage.qml"},
        {"MainMenuViewController", "showRateShare", "app/RateSharePage.qml"},
        {"LocationTableViewController", "showDetail", "route/EditLocationPage.qml"},
        {"LocationTableViewController", "showAddLocation", "route/LocationPage.qml"},
        {"MainMenuViewController", "showImportExport", "exchange/DataExchangePage.qml"},
        {"DataExchangePage", "showExport", "exchange/ExportPage.qml"},
        {"DataExchangePage", "showImport", "exchange/ImportPage.qml"},
        {"DataExchangePage", "showDeviceImport", "exchange/DeviceImportPage.qml"},
        {"DataExchangePage", "showLocationsExport", "route/ExportLocationsPage.qml"},
        {"DataExchangePage", "showDataImporter", "exchange/DataImporterPage.qml"},
        {"MasterViewController", "showDetail", "log/DetailPage.qml"},
        {"YearlyTableViewController", "showMonthly", "summary/MonthlyPage.qml"},
        {"MonthlyTableViewController", "showDaily", "summary/DailyPage.qml"},
        {"MainMenuViewController", "showMap", "route/MapPage.qml"},
        {"MainMenuViewController", "showJourney", "route/JourneyPage.qml"},
        {"MapViewController", "showSetup", "route/MapSetupPage.qml"},
    };
    return table;
}

const QList<SegueRegistry::Unwind> &SegueRegistry::unwinds() {
    static const QList<Unwind> table = {
        {"unwindToMenu", menuPage()},
        // The edit screen returns to the list it was opened from, which shows the change.
        {"unwindToMenu", "log/MasterPage.qml"},
        {"unwindToMap", "route/MapPage.qml"},
        {"unwindToLocations", "route/LocationListPage.qml"},
    };
    return table;
}

SegueRegistry *SegueRegistry::create(QQmlEngine *, QJSEngine *) {
    static SegueRegistry *registry = new SegueRegistry;
    QJSEngine::setObjectOwnership(registry, QJSEngine::CppOwnership);
    return registry;
}

QString SegueRegistry::pageFor(const QString &source, const QString &identifier) {
    for (const Segue &segue : segues()) {
        if (segue.source == source && segue.identifier == identifier)
            return segue.page;
    }
    return {};
}

bool SegueRegistry::isUnwind(const QString &identifier) {
    for (const Unwind &unwind : unwinds()) {
        if (unwind.identifier == identifier)
            return true;
    }
    return false;
}

bool SegueRegistry::acceptsUnwind(const QString &page, const QString &identifier) {
    for (const Unwind &unwind : unwinds()) {
        if (unwind.identifier == identifier && unwind.page == page)
            return true;
    }
    return false;
}

QString SegueRegistry::url(const QString &page) {
    return QStringLiteral("qrc:/qt/qml/Pacelog/") + page;
}

QStringList SegueRegistry::pages() {
    QStringList result;
    for (const Segue &segue : segues()) {
        if (!result.contains(segue.page))
            result << segue.page;
    }
    result.sort();
    return result;
}
