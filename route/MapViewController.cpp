#include "route/MapViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/ReadFailureAlert.h"
#include "platform/Clock.h"
#include "platform/Directions.h"
#include "platform/LocationProvider.h"
#include "route/Journey.h"
#include "route/JourneyForecast.h"
#include "route/RouteLegs.h"

#include <QDebug>
#include <QVariantMap>

MapViewController::MapViewController(QObject *parent)
    : QObject(parent), m_milesToCity(new Outlet(this, QStringLiteral("Around the route"))),
      m_show(new Outlet(this, QStringLiteral("Show"))),
      m_stop(new Outlet(this, QStringLiteral("Stop"))),
      m_setup(new Outlet(this, QStringLiteral("Setup"))), m_forecast(new Outlet(this)) {}

MapViewController::~MapViewController() {
    LocationProvider *provider = LocationProvider::shared();
    disconnect(provider, nullptr, this, nullptr);
    if (!m_show->enabled())
        provider->stopUpdatingLocation();
}

void MapViewController::viewDidLoad() {
    Context &context = AppDelegate::shared()->persistentContainer();
    // The journey's walk gives the total, so the progress line, the next place ahead and the
    // forecast all come from the very same running total.
    Journey journey;
    QString error;
    if (!journey.compute(context, &error))
        ReadFailureAlert::present(this, error);
    m_progress.totalMiles = journey.totalMiles;
    m_progress.recordCount = journey.sessionCount;
    if (m_progress.computeLeg())
        m_milesToCity->setText(m_progress.line);

    requestDirections();

    LocationProvider *provider = LocationProvider::shared();
    connect(provider, &LocationProvider::didUpdateLocation, this,
            &MapViewController::didUpdateLocation, Qt::UniqueConnection);
    provider->requestWhenInUseAuthorization();

    m_progress.findNextPlace(context);
    m_forecast->setText(JourneyForecast::line(context, journey, Clock::now().date(),
                                              !AppState::instance()->isMiles()));
    emit progressChanged();
    addPin();

    m_stop->setEnabled(false);
}

void MapViewController::requestDirections() {
    if (!m_directions)
        m_directions = new Directions(this);
    const QList<RouteLeg> &legs = RouteLegs::all();
    for (qsizetype i = 0; i < legs.size(); ++i) {
        const RouteLeg &leg = legs.at(i);
        const RouteLeg &end = RouteLegs::next(leg);
        m_directions->calculate(
            leg.latitude, leg.longitude, end.latitude, end.longitude,
            [this, i](const QList<QPointF> &route, const QString &error) {
                if (!error.isEmpty()) {
                    qInfo().noquote()
                        << QStringLiteral("We have error getting directions == ") + error;
                    return;
                }
                if (route.isEmpty())
                    return; // no road found: nothing to draw for this leg
                QVariantList line;
                line.reserve(route.size());
                double south = 90, north = -90, west = 180, east = -180;
                for (const QPointF &p : route) {
                    line.append(QVariantMap{{QStringLiteral("latitude"), p.x()},
                                            {QStringLiteral("longitude"), p.y()}});
                    south = std::min(south, p.x());
                    north = std::max(north, p.x());
                    west = std::min(west, p.y());
                    east = std::max(east, p.y());
                }
                m_overlays.append(QVariant(line));
                if (size_t(i) < m_routed.size())
                    m_routed[size_t(i)] = true;
                emit overlaysChanged();
                emit regionRequested((south + north) / 2, (west + east) / 2, north - south,
                                     east - west, true);
            });
    }
}

QVariantList MapViewController::plannedLegs() const {
    const auto point = [](const RouteLeg &city) {
        return QVariantMap{{QStringLiteral("latitude"), city.latitude},
                           {QStringLiteral("longitude"), city.longitude}};
    };
    QVariantList out;
    const QList<RouteLeg> &legs = RouteLegs::all();
    for (qsizetype i = 0; i < legs.size(); ++i) {
        if (size_t(i) >= m_routed.size() || !m_routed[size_t(i)])
            out.append(
                QVariant(QVariantList{point(legs.at(i)), point(RouteLegs::next(legs.at(i)))}));
    }
    return out;
}

void MapViewController::addPin() {
    // Before any place ahead was found the position is only its initial 0, 0: no pin then.
    if (!m_progress.hasNextPlace)
        return;
    m_annotations.append(QVariantMap{{QStringLiteral("latitude"), m_progress.latitude},
                                     {QStringLiteral("longitude"), m_progress.longitude},
                                     {QStringLiteral("title"), m_progress.currentCity}});
    emit annotationsChanged();
}

void MapViewController::ShowLocationButtonTapped() {
    LocationProvider::shared()->startUpdatingLocation();
    m_show->setEnabled(false);
    m_stop->setEnabled(true);
    addPin();
}

void MapViewController::StopShowingLocationButtonTapped() {
    LocationProvider::shared()->stopUpdatingLocation();
    m_show->setEnabled(true);
    m_stop->setEnabled(false);
}

void MapViewController::didUpdateLocation(double latitude, double longitude, bool valid) {
    if (m_show->enabled())
        return; // updates belong to Show .. Stop of this screen
    // The device's own position is only drawn; the map centres on the virtual one.
    m_userLatitude = latitude;
    m_userLongitude = longitude;
    m_userLocationKnown = valid;
    m_showsUserLocation = true;
    emit userLocationChanged();
    emit regionRequested(m_progress.latitude, m_progress.longitude, CentreSpan, CentreSpan, true);
}
