# Pacelog's outside addresses; whoever ships Pacelog sets their own (see README).
set(PACELOG_STORE_URL "https://apps.apple.com/app/pacelog/id0000000000" CACHE STRING
    "The app's store page; its review form is opened with the query action=write-review")
set(PACELOG_WEB_URL "https://pacelog.example.com/" CACHE STRING "The app's web page")
set(PACELOG_CONTACT_EMAIL "feedback@pacelog.example.com" CACHE STRING
    "The developer's address for feedback mail")
set_source_files_properties(platform/AppLinks.cpp PROPERTIES COMPILE_DEFINITIONS
    "PACELOG_STORE_URL=\"${PACELOG_STORE_URL}\";PACELOG_WEB_URL=\"${PACELOG_WEB_URL}\";PACELOG_CONTACT_EMAIL=\"${PACELOG_CONTACT_EMAIL}\"")

list(APPEND PACELOG_SOURCES
    platform/AlertPresenter.cpp platform/AlertPresenter.h
    platform/Appearance.cpp platform/Appearance.h
    platform/AppLinks.cpp platform/AppLinks.h
    platform/Clock.cpp platform/Clock.h
    platform/Formatting.cpp platform/Formatting.h
    platform/MailComposer.cpp platform/MailComposer.h
    platform/Navigator.cpp platform/Navigator.h
    platform/NumberReading.cpp platform/NumberReading.h
    platform/Outlet.cpp platform/Outlet.h
    platform/PrintController.cpp platform/PrintController.h
    platform/RatingPrompt.cpp platform/RatingPrompt.h
    platform/ReadingOrder.cpp platform/ReadingOrder.h
    platform/ShareSheet.cpp platform/ShareSheet.h
    platform/RowListModel.cpp platform/RowListModel.h
    platform/UrlOpener.cpp platform/UrlOpener.h
    platform/TemporaryDirectory.cpp platform/TemporaryDirectory.h
    platform/DocumentPicker.cpp platform/DocumentPicker.h
)
set_source_files_properties(platform/controls/Look.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
list(APPEND PACELOG_QML
    platform/controls/AccessibleStandIn.qml
    platform/controls/BarChart.qml
    platform/controls/CalendarDatePicker.qml
    platform/controls/CalendarDay.qml
    platform/controls/DatePickerPanel.qml
    platform/controls/DocumentPickerDialog.qml
    platform/controls/FocusMark.qml
    platform/controls/FolderPickerDialog.qml
    platform/controls/Look.qml
    platform/controls/PaceButton.qml
    platform/controls/PaceField.qml
    platform/controls/PaceSwitch.qml
    platform/controls/PaceTextView.qml
    platform/controls/PaceToolButton.qml
    platform/controls/PlainButton.qml
    platform/controls/RatingPromptPopup.qml
    platform/controls/ScreenPage.qml
    platform/controls/ShareSheetPopup.qml
    platform/controls/SubtitleTableCell.qml
    platform/controls/SwipeCell.qml
    platform/controls/TableCell.qml
    platform/controls/TableScreen.qml
    platform/controls/WheelDatePicker.qml
)

# The map item and the location and directions services behind the route map.
list(APPEND PACELOG_SOURCES
    platform/Directions.cpp platform/Directions.h
    platform/LocationProvider.cpp platform/LocationProvider.h
    platform/MapCamera.cpp platform/MapCamera.h
    platform/MapPolylines.cpp platform/MapPolylines.h
    platform/MapTileLayer.cpp platform/MapTileLayer.h
    platform/ServiceAccess.cpp platform/ServiceAccess.h
    platform/TileStore.cpp platform/TileStore.h
)
list(APPEND PACELOG_QML platform/MapView.qml)
# The states' borders the map draws without tiles (scripts/convert-state-outlines.js).
list(APPEND PACELOG_RESOURCES resources/StateOutlines.txt)
