list(APPEND PACELOG_SOURCES
    route/LocationSeeder.cpp route/LocationSeeder.h
    route/RouteLegs.cpp route/RouteLegs.h
)
list(APPEND PACELOG_RESOURCES resources/TreadmillLocations.txt)
# The place list and its add and edit screens.
list(APPEND PACELOG_SOURCES
    route/EditLocationViewController.cpp route/EditLocationViewController.h
    route/LocationTableViewController.cpp route/LocationTableViewController.h
    route/LocationViewController.cpp route/LocationViewController.h
)
list(APPEND PACELOG_QML
    route/EditLocationPage.qml
    route/LocationListPage.qml
    route/LocationPage.qml
    route/PlaceForm.qml
)

# Route progress on the map and the route set-up.
list(APPEND PACELOG_SOURCES
    route/Journey.cpp route/Journey.h
    route/JourneyForecast.cpp route/JourneyForecast.h
    route/RouteProgress.cpp route/RouteProgress.h
)
list(APPEND PACELOG_SOURCES
    route/MapSetupViewController.cpp route/MapSetupViewController.h
    route/MapViewController.cpp route/MapViewController.h
)
# The journey: the places reached and when the next one comes.
list(APPEND PACELOG_SOURCES
    route/JourneyViewController.cpp route/JourneyViewController.h
)
list(APPEND PACELOG_QML route/JourneyPage.qml)
list(APPEND PACELOG_QML
    route/MapPage.qml
    route/MapSetupPage.qml
)
# Places export (data exchange).
list(APPEND PACELOG_SOURCES
    route/LocationsExportFile.cpp route/LocationsExportFile.h
    route/ExportLocationsViewController.cpp route/ExportLocationsViewController.h
)
list(APPEND PACELOG_QML route/ExportLocationsPage.qml)
