# Files of exchange/: session export and import, the CSV scanner, the built-in data import,
# and (exchange/device/) the readers of the files watches and training platforms write.
list(APPEND PACELOG_SOURCES
    exchange/device/DeviceFileReader.cpp exchange/device/DeviceFileReader.h
    exchange/device/DeviceFileSource.cpp exchange/device/DeviceFileSource.h
    exchange/device/FitReader.cpp exchange/device/FitReader.h
    exchange/device/FoundSession.h
    exchange/device/GpxReader.cpp exchange/device/GpxReader.h
    exchange/device/Gzip.cpp exchange/device/Gzip.h
    exchange/device/TcxReader.cpp exchange/device/TcxReader.h
    exchange/device/XmlTime.cpp exchange/device/XmlTime.h
    exchange/CSVScanner.cpp exchange/CSVScanner.h
    exchange/DataImporterViewController.cpp exchange/DataImporterViewController.h
    exchange/DeviceImportCommand.cpp exchange/DeviceImportCommand.h
    exchange/DeviceImportPreview.cpp exchange/DeviceImportPreview.h
    exchange/DeviceImportRow.h
    exchange/DeviceImportViewController.cpp exchange/DeviceImportViewController.h
    exchange/DeviceImportWriter.cpp exchange/DeviceImportWriter.h
    exchange/ExportViewController.cpp exchange/ExportViewController.h
    exchange/ImportInBackground.cpp exchange/ImportInBackground.h
    exchange/ImportViewController2.cpp exchange/ImportViewController2.h
    exchange/SessionExportFile.cpp exchange/SessionExportFile.h
    exchange/SessionImport.cpp exchange/SessionImport.h
    exchange/SpreadsheetExportFile.cpp exchange/SpreadsheetExportFile.h
    exchange/TextPreview.cpp exchange/TextPreview.h
)
list(APPEND PACELOG_QML
    exchange/DataExchangePage.qml
    exchange/DataImporterPage.qml
    exchange/DeviceImportPage.qml
    exchange/ExportPage.qml
    exchange/ImportPage.qml
)
list(APPEND PACELOG_RESOURCES resources/caloriesburned.csv)
