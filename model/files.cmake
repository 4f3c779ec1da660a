list(APPEND PACELOG_SOURCES
    model/AppDelegate.cpp model/AppDelegate.h
    model/AppState.cpp model/AppState.h
    model/AttributeKind.cpp model/AttributeKind.h
    model/Context.cpp model/Context.h
    model/DatePickerStyle.cpp model/DatePickerStyle.h
    model/DefaultSettingsViewController.cpp model/DefaultSettingsViewController.h
    model/Entity.cpp model/Entity.h
    model/FetchRequest.cpp model/FetchRequest.h
    model/LeadingNumberSum.cpp model/LeadingNumberSum.h
    model/Locations.cpp model/Locations.h
    model/MainLocations.cpp model/MainLocations.h
    model/MonthlyData.cpp model/MonthlyData.h
    model/Record.cpp model/Record.h
    model/ReviewService.cpp model/ReviewService.h
    model/RowsCommand.cpp model/RowsCommand.h
    model/ReadFailureAlert.cpp model/ReadFailureAlert.h
    model/SaveFailureAlert.cpp model/SaveFailureAlert.h
    model/SessionIdentity.cpp model/SessionIdentity.h
    model/Settings.cpp model/Settings.h
    model/SortDescriptor.h
    model/StoreCheck.cpp model/StoreCheck.h
    model/StoreSchema.cpp model/StoreSchema.h
    model/UndoService.cpp model/UndoService.h
    model/UserData.cpp model/UserData.h
    model/YearlyData.cpp model/YearlyData.h
)
list(APPEND PACELOG_QML
    model/DefaultSettingsPage.qml
)
