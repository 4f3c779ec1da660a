#pragma once

#include "platform/RowListModel.h"

#include <QObject>
#include <QQmlEngine>
#include <QString>

class UserData;

// The sessions of the picked month of the picked year, one read-only two-line row each: the
// stored date and the session's figures.
class DailyTableViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(RowListModel *resultsDaily READ resultsDaily CONSTANT)
    Q_PROPERTY(qint64 recordCount READ recordCount NOTIFY reloaded)
    Q_PROPERTY(bool DarkMode READ DarkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(QString titleForHeader READ titleForHeader NOTIFY reloaded)
public:
    explicit DailyTableViewController(QObject *parent = nullptr);

    RowListModel *resultsDaily() const { return m_rows; }
    qint64 recordCount() const { return m_recordCount; }
    bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    // "9 Days Logged in this Month": sessions, so two on one day count twice.
    QString titleForHeader() const;

    // "Cals: 300  Fat Cals: 45.00  km: 3.2  Laps: 12". Fat calories go through a 32-bit float
    // and "%.2f"; a fat-calorie text that is not a number shows as stored.
    static QString detailText(const UserData &session, bool miles);

    Q_INVOKABLE void viewDidLoad();

signals:
    void reloaded();
    void darkModeChanged();

private:
    RowListModel *m_rows;
    qint64 m_recordCount = 0;
    bool m_darkMode = false;
};
