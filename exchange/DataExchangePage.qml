import QtQuick
import QtQuick.Layouts
import Pacelog

// The data exchange entry: session export and import, device files, places export and the
// sample data.
ScreenPage {
    id: page
    objectName: "DataExchangePage"
    title: "Import / Export"

    component Entry: PaceButton {
        property string segue
        objectName: segue
        Layout.fillWidth: true
        onClicked: Navigator.performSegue(segue)
    }

    ColumnLayout {
        x: Look.margin
        y: Look.margin
        width: page.width - 2 * Look.margin
        spacing: 12
        Entry { segue: "showExport"; text: "Export Sessions" }
        Entry { segue: "showImport"; text: "Import Sessions" }
        Entry { segue: "showDeviceImport"; text: "Import from Watch or App" }
        Entry { segue: "showLocationsExport"; text: "Export Places" }
        Entry { segue: "showDataImporter"; text: "Load Sample Data" }
    }
}
