#pragma once

#include "log/SessionListModel.h"

#include <QObject>
#include <QQmlEngine>
#include <QString>

// The session list: every session newest first (or oldest first after the sort button), a
// header that counts them, deletion by swiping a row, and a row opening the edit screen.
class MasterViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(SessionListModel *DailyList READ DailyList CONSTANT)
    Q_PROPERTY(bool SortAsc READ SortAsc NOTIFY sortAscChanged)
    Q_PROPERTY(bool DarkMode READ DarkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(QString titleForHeader READ titleForHeader NOTIFY titleForHeaderChanged)
public:
    explicit MasterViewController(QObject *parent = nullptr);

    SessionListModel *DailyList() const { return m_dailyList; }
    bool SortAsc() const { return m_sortAsc; }
    bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    // "Total # of Treadmill Days: " and the number of rows (sessions, not distinct days).
    QString titleForHeader() const;

    Q_INVOKABLE void viewDidLoad();
    // Reloads when the list is shown again after another screen covered it, so changes
    // made there (entry, edit, import) show.
    Q_INVOKABLE void viewWillAppear();
    Q_INVOKABLE void viewDidDisappear();
    Q_INVOKABLE void SortButtonTapped();
    // The row's trailing swipe action "delete": no confirmation.
    Q_INVOKABLE void deleteRow(int row);
    // Selecting a row hands its session to the edit screen ("showDetail").
    Q_INVOKABLE void selectRow(int row);

signals:
    void sortAscChanged();
    void darkModeChanged();
    void titleForHeaderChanged();

private:
    void loadList();

    SessionListModel *m_dailyList;
    bool m_sortAsc = false;
    bool m_darkMode = false;
    bool m_covered = false;
};
