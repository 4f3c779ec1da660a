list(APPEND PACELOG_SOURCES
    platform/AlertPresenter.cpp platform/AlertPresenter.h
    platform/DatePickerStyle.cpp platform/DatePickerStyle.h
    platform/Formatting.cpp platform/Formatting.h
    platform/Navigator.cpp platform/Navigator.h
    platform/NumberReading.cpp platform/NumberReading.h
    platform/Outlet.cpp platform/Outlet.h
    platform/PrintController.cpp platform/PrintController.h
    platform/RatingPrompt.cpp platform/RatingPrompt.h
    platform/UrlOpener.cpp platform/UrlOpener.h
    platform/TemporaryDirectory.cpp platform/TemporaryDirectory.h
    platform/DocumentPicker.cpp platform/DocumentPicker.h
)
set_source_files_properties(platform/controls/Look.qml PROPERTIES QT_QML_SINGLETON_TYPE TRUE)
list(APPEND PACELOG_QML
    platform/controls/CalendarDatePicker.qml
    platform/controls/DatePickerPanel.qml
    platform/controls/DocumentPickerDialog.qml
    platform/controls/Look.qml
    platform/controls/PaceButton.qml
    platform/controls/PaceField.qml
    platform/controls/PaceSwitch.qml
    platform/controls/PaceTextView.qml
    platform/controls/RatingPromptPopup.qml
    platform/controls/ScreenPage.qml
    platform/controls/WheelDatePicker.qml
)
