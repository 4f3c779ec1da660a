list(APPEND PACELOG_SOURCES
    platform/AlertPresenter.cpp platform/AlertPresenter.h
    platform/DatePickerStyle.cpp platform/DatePickerStyle.h
    platform/Formatting.cpp platform/Formatting.h
    platform/Navigator.cpp platform/Navigator.h
    platform/NumberReading.cpp platform/NumberReading.h
    platform/Outlet.cpp platform/Outlet.h
    platform/PrintController.cpp platform/PrintController.h
    platform/RowListModel.cpp platform/RowListModel.h
    platform/RatingPrompt.cpp platform/RatingPrompt.h
    platform/UrlOpener.cpp platform/UrlOpener.h
)
set_source_files_properties(platform/controls/Look.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
list(APPEND PACELOG_QML
    platform/controls/CalendarDatePicker.qml
    platform/controls/DatePickerPanel.qml
    platform/controls/Look.qml
    platform/controls/PaceButton.qml
    platform/controls/PaceField.qml
    platform/controls/PaceSwitch.qml
    platform/controls/RatingPromptPopup.qml
    platform/controls/ScreenPage.qml
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
