list(APPEND PACELOG_SOURCES
    log/EnterTreadmillDataViewController.cpp log/EnterTreadmillDataViewController.h
    log/SessionRules.cpp log/SessionRules.h
    log/MasterTableViewCell.cpp log/MasterTableViewCell.h
    log/SessionListModel.cpp log/SessionListModel.h
    log/MasterViewController.cpp log/MasterViewController.h
    log/DetailViewController.cpp log/DetailViewController.h
)
list(APPEND PACELOG_QML
    log/EnterTreadmillDataPage.qml
    log/MasterTableViewCell.qml
    log/MasterPage.qml
    log/DetailPage.qml
)
