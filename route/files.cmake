list(APPEND PACELOG_SOURCES
    route/LocationSeeder.cpp route/LocationSeeder.h
    route/RouteLegs.cpp route/RouteLegs.h
)
list(APPEND PACELOG_RESOURCES resources/TreadmillLocations.txt)
# Places export (data exchange).
list(APPEND PACELOG_SOURCES
    route/LocationsExportFile.cpp route/LocationsExportFile.h
    route/ExportLocationsViewController.cpp route/ExportLocationsViewController.h
)
list(APPEND PACELOG_QML route/ExportLocationsPage.qml)
