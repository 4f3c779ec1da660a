#pragma once

#include "log/MasterTableViewCell.h"
#include "model/UserData.h"

#include <QAbstractListModel>
#include <QCache>
#include <QList>
#include <QQmlEngine>

// Every session as one row, in day order. Loading fetches only the row ids; a row's values are
// read from the store when the view first asks for it and kept in a bounded cache, so opening
// and scrolling stay quick however many sessions there are.
class SessionListModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The session list belongs to its screen")
public:
    enum Role { FirstLabelRole = Qt::UserRole + 1, SecondLabelRole };

    explicit SessionListModel(QObject *parent = nullptr);

    // iyear, imonth, iday, all ascending or all descending; sessions of one day in the
    // order the store returns them. A failed fetch leaves the list empty.
    void load(bool ascending);
    // The row's session with all its values; invalid when the row or the session is gone.
    UserData session(int row) const;
    // Deletes the row's session and saves through the application object, whose failure stops
    // the program; then the row leaves the list.
    bool removeSession(int row);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void countChanged();

private:
    void unitChanged();

    QList<qint64> m_ids;
    bool m_miles = true;
    // Rows around the visible ones; a few screens' worth is plenty.
    mutable QCache<qint64, MasterTableViewCell> m_cells{2000};
};
