#pragma once

#include <QObject>
#include <QPointF>
#include <QQmlEngine>
#include <QVariantMap>

// Where a map looks: its centre, its zoom level (slippy-map levels, 256-pixel tiles, fractions
// allowed) and its size. Turns coordinates into points of the view and back, so pins, lines
// and tiles of the map item agree. Web Mercator, as the OpenStreetMap tiles are drawn.
class MapCamera : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(double centerLatitude READ centerLatitude WRITE setCenterLatitude NOTIFY changed)
    Q_PROPERTY(double centerLongitude READ centerLongitude WRITE setCenterLongitude NOTIFY changed)
    Q_PROPERTY(double zoomLevel READ zoomLevel WRITE setZoomLevel NOTIFY changed)
    Q_PROPERTY(double width READ width WRITE setWidth NOTIFY changed)
    Q_PROPERTY(double height READ height WRITE setHeight NOTIFY changed)
    // Grows with every change; a binding that passes it to an invokable follows the camera.
    Q_PROPERTY(int revision READ revision NOTIFY changed)
public:
    using QObject::QObject;
    static constexpr double MinZoom = 1;
    static constexpr double MaxZoom = 19;
    static constexpr double MaxLatitude = 85.05112878;

    double centerLatitude() const { return m_latitude; }
    void setCenterLatitude(double latitude);
    double centerLongitude() const { return m_longitude; }
    void setCenterLongitude(double longitude);
    double zoomLevel() const { return m_zoom; }
    void setZoomLevel(double zoom);
    double width() const { return m_width; }
    void setWidth(double width);
    double height() const { return m_height; }
    void setHeight(double height);
    int revision() const { return m_revision; }

    // The coordinate's place in the whole world, 0..1 across and down (Web Mercator).
    static QPointF worldPoint(double latitude, double longitude);
    // The width of the world in view pixels at the current zoom.
    double worldSize() const;
    // A world point (0..1) as a point of the view.
    QPointF toView(QPointF world) const;

    Q_INVOKABLE QPointF project(double latitude, double longitude, int revision = 0) const;
    // Moves the view content by (dx, dy) pixels, as a drag does.
    Q_INVOKABLE void pan(double dx, double dy);
    // Changes the zoom keeping the coordinate under view point (x, y) where it is.
    Q_INVOKABLE void zoomAround(double zoom, double x, double y);
    // Centre and zoom that show the span around the centre: {latitude, longitude, zoomLevel}.
    Q_INVOKABLE QVariantMap regionFor(double latitude, double longitude, double latitudeSpan,
                                      double longitudeSpan) const;
    // The scale bar: a round distance no wider than maxWidth pixels, {width, text}, in miles
    // and feet when `imperial`, otherwise kilometres and metres.
    Q_INVOKABLE QVariantMap scaleBar(double maxWidth, bool imperial, int revision = 0) const;

signals:
    void changed();

private:
    void touch();
    double m_latitude = 39.5;
    double m_longitude = -98.35;
    double m_zoom = 3;
    double m_width = 0;
    double m_height = 0;
    int m_revision = 0;
};
