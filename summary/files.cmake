list(APPEND PACELOG_SOURCES
    summary/StyledText.cpp summary/StyledText.h
    summary/TotalsReport.cpp summary/TotalsReport.h
    summary/TotalsRoute.cpp summary/TotalsRoute.h
    summary/TotalsViewController.cpp summary/TotalsViewController.h
)
list(APPEND PACELOG_QML
    summary/TotalsPage.qml
)
