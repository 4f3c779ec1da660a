list(APPEND PACELOG_SOURCES
    app/MainMenuViewController.cpp app/MainMenuViewController.h
    app/ReviewService.cpp app/ReviewService.h
    app/SegueRegistry.cpp app/SegueRegistry.h
    app/SelfTest.cpp app/SelfTest.h
)
list(APPEND PACELOG_QML
    app/AppRoot.qml
    app/Main.qml
    app/MainMenuPage.qml
)
