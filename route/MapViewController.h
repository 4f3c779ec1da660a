#pragma once

#include "platform/Outlet.h"
#include "route/RouteProgress.h"

#include <QObject>
#include <QQmlEngine>
#include <QVariantList>
#include <array>

class Directions;

// The route map: how far the logged distance has gone on which leg, the next place ahead
// pinned, the four legs drawn as road routes, and centring on the virtual position.
class MapViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *MilesToCity READ MilesToCity CONSTANT)
    Q_PROPERTY(Outlet *ShowLocationButton READ ShowLocationButton CONSTANT)
    Q_PROPERTY(Outlet *StopShowingButton READ StopShowingButton CONSTANT)
    Q_PROPERTY(Outlet *SetupButton READ SetupButton CONSTANT)
    // When the next place comes at the recent pace, as the journey says it.
    Q_PROPERTY(Outlet *forecastLabel READ forecastLabel CONSTANT)
    Q_PROPERTY(double TotalMiles READ TotalMiles NOTIFY progressChanged)
    Q_PROPERTY(double MilesFromCity READ MilesFromCity NOTIFY progressChanged)
    Q_PROPERTY(QString FromCity READ FromCity NOTIFY progressChanged)
    Q_PROPERTY(QString CurrentCity READ CurrentCity NOTIFY progressChanged)
    Q_PROPERTY(double Latitude READ Latitude NOTIFY progressChanged)
    Q_PROPERTY(double Longitude READ Longitude NOTIFY progressChanged)
    Q_PROPERTY(int recordCount READ recordCount NOTIFY progressChanged)
    // What the map shows; the page hands these to its map item.
    Q_PROPERTY(QVariantList annotations READ annotations NOTIFY annotationsChanged)
    Q_PROPERTY(QVariantList overlays READ overlays NOTIFY overlaysChanged)
    // The legs whose road route has not arrived (yet), as straight lines between their cities.
    Q_PROPERTY(QVariantList plannedLegs READ plannedLegs NOTIFY overlaysChanged)
    Q_PROPERTY(bool showsUserLocation READ showsUserLocation NOTIFY userLocationChanged)
    Q_PROPERTY(double userLatitude READ userLatitude NOTIFY userLocationChanged)
    Q_PROPERTY(double userLongitude READ userLongitude NOTIFY userLocationChanged)
    Q_PROPERTY(bool userLocationKnown READ userLocationKnown NOTIFY userLocationChanged)
public:
    explicit MapViewController(QObject *parent = nullptr);
    ~MapViewController() override;

    Outlet *MilesToCity() const { return m_milesToCity; }
    Outlet *ShowLocationButton() const { return m_show; }
    Outlet *StopShowingButton() const { return m_stop; }
    Outlet *SetupButton() const { return m_setup; }
    Outlet *forecastLabel() const { return m_forecast; }
    double TotalMiles() const { return m_progress.totalMiles; }
    double MilesFromCity() const { return m_progress.milesFromCity; }
    QString FromCity() const { return m_progress.fromCity; }
    QString CurrentCity() const { return m_progress.currentCity; }
    double Latitude() const { return m_progress.latitude; }
    double Longitude() const { return m_progress.longitude; }
    int recordCount() const { return m_progress.recordCount; }
    QVariantList annotations() const { return m_annotations; }
    QVariantList overlays() const { return m_overlays; }
    QVariantList plannedLegs() const;
    bool showsUserLocation() const { return m_showsUserLocation; }
    double userLatitude() const { return m_userLatitude; }
    double userLongitude() const { return m_userLongitude; }
    bool userLocationKnown() const { return m_userLocationKnown; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void ShowLocationButtonTapped();
    Q_INVOKABLE void StopShowingLocationButtonTapped();

    // The span shown around the next place ahead when a location update centres the map.
    static constexpr double CentreSpan = 0.052;

signals:
    void progressChanged();
    void annotationsChanged();
    void overlaysChanged();
    void userLocationChanged();
    // The map is to show this region, sliding there when `animated`.
    void regionRequested(double latitude, double longitude, double latitudeSpan,
                         double longitudeSpan, bool animated);

private:
    void requestDirections();
    void addPin();
    void didUpdateLocation(double latitude, double longitude, bool valid);

    Outlet *m_milesToCity;
    Outlet *m_show;
    Outlet *m_stop;
    Outlet *m_setup;
    Outlet *m_forecast;
    RouteProgress m_progress;
    Directions *m_directions = nullptr;
    QVariantList m_annotations;
    QVariantList m_overlays;
    // Per leg in loop order: its road route has arrived.
    std::array<bool, 4> m_routed{};
    bool m_showsUserLocation = false;
    double m_userLatitude = 0;
    double m_userLongitude = 0;
    bool m_userLocationKnown = false;
};
