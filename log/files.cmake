list(APPEND PACELOG_SOURCES
    log/EnterTreadmillDataViewController.cpp log/EnterTreadmillDataViewController.h
    log/SessionRules.cpp log/SessionRules.h
)
list(APPEND PACELOG_QML
    log/EnterTreadmillDataPage.qml
)
