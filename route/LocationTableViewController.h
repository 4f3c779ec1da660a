#pragma once

#include "model/Locations.h"
#include "model/UserData.h"
#include "platform/RowListModel.h"

#include <QList>
#include <QObject>
#include <QQmlEngine>
#include <QStringList>

// The place list: the places of one leg at a time, picked with the four-way leg selector,
// nearest the leg's start city first. A row opens the edit screen, a swipe deletes the place
// and the add control opens the add screen.
class LocationTableViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    // The selector's items, the leg keys in loop order.
    Q_PROPERTY(QStringList segmentItems READ segmentItems CONSTANT)
    Q_PROPERTY(
        int selectedSegmentIndex READ selectedSegmentIndex NOTIFY selectedSegmentIndexChanged)
    // Rows with the roles textLabel, detailTextLabel.
    Q_PROPERTY(RowListModel *LocationList READ LocationList CONSTANT)
    Q_PROPERTY(int recordCount READ recordCount NOTIFY recordCountChanged)
    Q_PROPERTY(QString titleForHeader READ titleForHeader NOTIFY titleForHeaderChanged)
public:
    explicit LocationTableViewController(QObject *parent = nullptr);

    QStringList segmentItems() const;
    int selectedSegmentIndex() const { return m_selectedSegmentIndex; }
    RowListModel *LocationList() const { return m_rows; }
    int recordCount() const { return m_recordCount; }
    // "Total # of Locations: " and the number of rows shown.
    QString titleForHeader() const;

    // The leg the list opens on for a distance total: the list's own boundaries 2450, 3290,
    // 6545 and 8288 (a full loop and more start again at Miami).
    static int initialSegmentIndex(double distanceTotal);
    // A row's two lines; both empty for a place whose leg is not one of the keys.
    static QString titleFor(const Locations &place);
    static QString detailFor(const Locations &place);

    // Picks the initial leg from every session's distance, once, and shows its places.
    Q_INVOKABLE void viewDidLoad();
    // Shows the leg's places again, so adds and edits made meanwhile appear.
    Q_INVOKABLE void viewWillAppear();
    Q_INVOKABLE void segmentedControlActionWithSender(int index);
    Q_INVOKABLE void unwindToLocationsWithSegue();
    // The trailing swipe action "delete".
    Q_INVOKABLE void deleteRow(int row);
    // A row opens the edit screen with its place ("showDetail").
    Q_INVOKABLE void selectRow(int row);
    // The add control opens the add screen ("showAddLocation").
    Q_INVOKABLE void addLocation();

signals:
    void selectedSegmentIndexChanged();
    void recordCountChanged();
    void titleForHeaderChanged();

private:
    void loadLocations();

    int m_selectedSegmentIndex = 0;
    RowListModel *m_rows;
    QList<Locations> m_locationList;
    int m_recordCount = 0;
};
