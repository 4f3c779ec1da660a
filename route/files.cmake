list(APPEND PACELOG_SOURCES
    route/LocationSeeder.cpp route/LocationSeeder.h
    route/RouteLegs.cpp route/RouteLegs.h
)
list(APPEND PACELOG_RESOURCES resources/TreadmillLocations.txt)

# Route progress on the map and the route set-up.
list(APPEND PACELOG_SOURCES
    route/RouteProgress.cpp route/RouteProgress.h
)
list(APPEND PACELOG_SOURCES
    route/MapSetupViewController.cpp route/MapSetupViewController.h
    route/MapViewController.cpp route/MapViewController.h
)
list(APPEND PACELOG_QML
    route/MapPage.qml
    route/MapSetupPage.qml
)
