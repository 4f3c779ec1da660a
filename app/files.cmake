list(APPEND PACELOG_SOURCES
    app/MainMenuViewController.cpp app/MainMenuViewController.h
    app/RateShareTableViewController.cpp app/RateShareTableViewController.h
    app/ScreenshotTour.cpp app/ScreenshotTour.h
    app/SegueRegistry.cpp app/SegueRegistry.h
    app/SelfTest.cpp app/SelfTest.h
    app/SingleInstance.cpp app/SingleInstance.h
)
list(APPEND PACELOG_QML
    app/AppRoot.qml
    app/Main.qml
    app/MainMenuPage.qml
    app/RateSharePage.qml
)
# The window's icon, the same file the desktop entry installs.
list(APPEND PACELOG_RESOURCES resources/desktop/org.pacelog.Pacelog.svg)
