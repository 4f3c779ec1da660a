list(APPEND PACELOG_SOURCES
    log/EnterTreadmillDataViewController.cpp log/EnterTreadmillDataViewController.h
    log/SessionRules.cpp log/SessionRules.h
    log/SessionDateActions.cpp log/SessionDateActions.h
    log/MasterTableViewCell.cpp log/MasterTableViewCell.h
    log/SessionListModel.cpp log/SessionListModel.h
    log/MasterViewController.cpp log/MasterViewController.h
    log/DetailViewController.cpp log/DetailViewController.h
)
list(APPEND PACELOG_QML
    log/EnterTreadmillDataPage.qml
    log/SessionForm.qml
    log/MasterTableViewCell.qml
    log/MasterPage.qml
    log/DetailPage.qml
)
