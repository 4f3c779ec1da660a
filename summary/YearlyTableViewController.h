#pragma once

#include "model/YearlyData.h"
#include "platform/RowListModel.h"

#include <QList>
#include <QObject>
#include <QQmlEngine>
#include <QString>
#include <optional>

// The yearly summary: each load and each sort flip rebuilds the stored per-year records from
// the sessions and shows them, one row and one chart bar per year. Tapping a year picks it
// (and the month that closed its group) and opens the monthly summary.
class YearlyTableViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(RowListModel *YearArray READ YearArray CONSTANT)
    Q_PROPERTY(RowListModel *yearBars READ yearBars CONSTANT)
    Q_PROPERTY(qint64 recordCount READ recordCount NOTIFY reloaded)
    Q_PROPERTY(bool SortAsc READ SortAsc NOTIFY reloaded)
    Q_PROPERTY(bool DarkMode READ DarkMode WRITE setDarkMode NOTIFY darkModeChanged)
    Q_PROPERTY(QString titleForHeader READ titleForHeader NOTIFY reloaded)
    Q_PROPERTY(QString chartCaption READ chartCaption NOTIFY reloaded)
public:
    explicit YearlyTableViewController(QObject *parent = nullptr);

    RowListModel *YearArray() const { return m_rows; }
    RowListModel *yearBars() const { return m_bars; }
    qint64 recordCount() const { return m_recordCount; }
    bool SortAsc() const { return m_sortAsc.value_or(false); }
    bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    // "3 Years Logged So Far": the rows shown.
    QString titleForHeader() const;
    // The distance unit's caption for the chart ("Miles" or "km").
    QString chartCaption() const;
    // The records of the last rebuild, in display order.
    const QList<YearlyData> &records() const { return m_yearArray; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void SortButtonTapped();
    // Picks the row's year and month and opens that year's months ("showMonthly").
    Q_INVOKABLE void selectRow(int row);

signals:
    void reloaded();
    void darkModeChanged();

private:
    void rebuild();
    void reloadData();

    RowListModel *m_rows;
    RowListModel *m_bars;
    QList<YearlyData> m_yearArray;
    qint64 m_recordCount = 0;
    std::optional<bool> m_sortAsc;
    bool m_darkMode = false;
};
