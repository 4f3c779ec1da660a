#include "route/LocationTableViewController.h"

#include "model/AppDelegate.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"
#include "route/RouteLegs.h"

#include <QDebug>

LocationTableViewController::LocationTableViewController(QObject *parent)
    : QObject(parent), m_rows(new RowListModel(this, {QStringLiteral("textLabel"),
                                                      QStringLiteral("detailTextLabel")})) {
    connect(m_rows, &RowListModel::countChanged, this,
            &LocationTableViewController::titleForHeaderChanged);
}

QStringList LocationTableViewController::segmentItems() const {
    QStringList keys;
    for (const RouteLeg &leg : RouteLegs::all())
        keys << leg.key;
    return keys;
}

QString LocationTableViewController::titleForHeader() const {
    return QStringLiteral("Total # of Locations: ") + QString::number(m_rows->count());
}

int LocationTableViewController::initialSegmentIndex(double distanceTotal) {
    if (distanceTotal < 2450)
        return 0;
    if (distanceTotal < 3290)
        return 1;
    if (distanceTotal < 6545)
        return 2;
    if (distanceTotal < 8288)
        return 3;
    return 0;
}

QString LocationTableViewController::titleFor(const Locations &place) {
    if (!RouteLegs::byKey(place.fromCity()))
        return QString();
    return QStringLiteral("From: ") + place.fromCity() + QStringLiteral(" To: ") + place.name();
}

QString LocationTableViewController::detailFor(const Locations &place) {
    const RouteLeg *leg = RouteLegs::byKey(place.fromCity());
    if (!leg)
        return QString();
    return QStringLiteral("Lat: ") + Formatting::shortestFloat(place.latitude()) +
           QStringLiteral(" Long: ") + Formatting::shortestFloat(place.longitude()) +
           QStringLiteral(" Miles From: ") +
           Formatting::shortestFloat(place.value(leg->distanceKey).toFloat());
}

void LocationTableViewController::viewDidLoad() {
    // The store sums the distance texts' leading numbers itself: no session is loaded.
    Context &context = AppDelegate::shared()->persistentContainer();
    QString error;
    const auto totals =
        context.sumLeadingNumbers(UserData::fetchRequest(), {QStringLiteral("distance")}, &error);
    if (!totals)
        qWarning().noquote() << error;
    m_recordCount = totals ? int(totals->count) : 0;
    emit recordCountChanged();
    // The unit setting is not consulted: the boundaries are the same numbers in either unit.
    const double distanceTotal = totals ? totals->sums.at(0) : 0;
    m_selectedSegmentIndex = initialSegmentIndex(distanceTotal);
    emit selectedSegmentIndexChanged();
    loadLocations();
}

void LocationTableViewController::viewWillAppear() {
    loadLocations();
}

void LocationTableViewController::segmentedControlActionWithSender(int index) {
    if (index != m_selectedSegmentIndex) {
        m_selectedSegmentIndex = index;
        emit selectedSegmentIndexChanged();
    }
    loadLocations();
}

void LocationTableViewController::unwindToLocationsWithSegue() {
    loadLocations();
}

void LocationTableViewController::loadLocations() {
    Context &managedObjectContext = AppDelegate::shared()->persistentContainer();
    FetchRequest request = Locations::fetchRequest();
    const QList<RouteLeg> &legs = RouteLegs::all();
    if (m_selectedSegmentIndex >= 0 && m_selectedSegmentIndex < legs.size()) {
        const RouteLeg &leg = legs.at(m_selectedSegmentIndex);
        request.where(QStringLiteral("fromCity=%@"), leg.key).sortBy(leg.distanceKey, true);
    }
    QString error;
    m_locationList = managedObjectContext.fetchAs<Locations>(request, &error);
    if (!error.isEmpty())
        qWarning().noquote() << error;
    QList<QVariantMap> rows;
    rows.reserve(m_locationList.size());
    for (const Locations &place : std::as_const(m_locationList))
        rows.append({{QStringLiteral("textLabel"), titleFor(place)},
                     {QStringLiteral("detailTextLabel"), detailFor(place)}});
    m_rows->setRows(rows);
    emit titleForHeaderChanged();
}

void LocationTableViewController::deleteRow(int row) {
    if (row < 0 || row >= m_locationList.size())
        return;
    Context &context = AppDelegate::shared()->persistentContainer();
    context.remove(m_locationList.at(row));
    // A refused deletion stops the program, as the store's rules say for swipe deletions, so
    // the list never shows a place gone that the store still holds.
    QString error;
    if (!context.save(&error))
        AppDelegate::stopOnStoreError(error);
    m_locationList.removeAt(row);
    m_rows->removeRow(row);
    emit titleForHeaderChanged();
}

void LocationTableViewController::selectRow(int row) {
    if (row < 0 || row >= m_locationList.size())
        return;
    Navigator::instance()->performSegue(QStringLiteral("showDetail"),
                                        QVariant::fromValue<Record>(m_locationList.at(row)));
}

void LocationTableViewController::addLocation() {
    Navigator::instance()->performSegue(QStringLiteral("showAddLocation"));
}
