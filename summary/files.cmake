list(APPEND PACELOG_SOURCES
    summary/DailyTableViewController.cpp summary/DailyTableViewController.h
    summary/DistanceBars.cpp summary/DistanceBars.h
    summary/MonthlyTableViewCell.cpp summary/MonthlyTableViewCell.h
    summary/MonthlyTableViewController.cpp summary/MonthlyTableViewController.h
    summary/StyledText.cpp summary/StyledText.h
    summary/TotalsReport.cpp summary/TotalsReport.h
    summary/TotalsRoute.cpp summary/TotalsRoute.h
    summary/TotalsViewController.cpp summary/TotalsViewController.h
    summary/YearlyTableViewCell.cpp summary/YearlyTableViewCell.h
    summary/YearlyTableViewController.cpp summary/YearlyTableViewController.h
)
list(APPEND PACELOG_QML
    summary/DailyPage.qml
    summary/MonthlyPage.qml
    summary/TotalsPage.qml
    summary/YearlyPage.qml
)
