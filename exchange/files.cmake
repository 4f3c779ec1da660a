# Files of exchange/: session export and import, the CSV scanner, the built-in data import.
list(APPEND PACELOG_SOURCES
    exchange/CSVScanner.cpp exchange/CSVScanner.h
    exchange/DataImporterViewController.cpp exchange/DataImporterViewController.h
    exchange/ExportViewController.cpp exchange/ExportViewController.h
    exchange/ImportInBackground.cpp exchange/ImportInBackground.h
    exchange/ImportViewController2.cpp exchange/ImportViewController2.h
    exchange/SessionExportFile.cpp exchange/SessionExportFile.h
    exchange/SessionImport.cpp exchange/SessionImport.h
    exchange/TextPreview.cpp exchange/TextPreview.h
)
list(APPEND PACELOG_QML
    exchange/DataExchangePage.qml
    exchange/DataImporterPage.qml
    exchange/ExportPage.qml
    exchange/ImportPage.qml
)
list(APPEND PACELOG_RESOURCES resources/caloriesburned.csv)
