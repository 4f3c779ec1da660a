#pragma once

#include "platform/RowListModel.h"

#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <QStringList>
#include <array>

// The monthly summary of the picked year: twelve fixed rows, each with the distance summed
// from that month's sessions, and a chart of the twelve months. Tapping a month picks it and
// opens its sessions.
class MonthlyTableViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(RowListModel *monthRows READ monthRows CONSTANT)
    Q_PROPERTY(RowListModel *monthBars READ monthBars CONSTANT)
    Q_PROPERTY(qint64 SelectedYear READ SelectedYear NOTIFY reloaded)
    Q_PROPERTY(qint64 recordCount READ recordCount NOTIFY reloaded)
    Q_PROPERTY(bool DarkMode READ DarkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(QString titleForHeader READ titleForHeader NOTIFY reloaded)
    Q_PROPERTY(QString chartCaption READ chartCaption NOTIFY reloaded)
public:
    explicit MonthlyTableViewController(QObject *parent = nullptr);

    static const QStringList MonthDisplay;

    RowListModel *monthRows() const { return m_rows; }
    RowListModel *monthBars() const { return m_bars; }
    qint64 SelectedYear() const { return m_selectedYear; }
    qint64 recordCount() const { return m_recordCount; }
    bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    // "12 Months Logged in This Year".
    QString titleForHeader() const;
    QString chartCaption() const;
    // The month sums, January first.
    const std::array<double, 12> &monthSums() const { return m_sums; }

    Q_INVOKABLE void viewDidLoad();
    // Picks the month (row + 1) and opens its sessions ("showDaily").
    Q_INVOKABLE void selectRow(int row);

signals:
    void reloaded();
    void darkModeChanged();

private:
    RowListModel *m_rows;
    RowListModel *m_bars;
    qint64 m_selectedYear = 0;
    qint64 m_recordCount = 0;
    std::array<double, 12> m_sums{};
    bool m_darkMode = false;
};
