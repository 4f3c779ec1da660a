#include "platform/MapCamera.h"

#include <QtMath>
#include <cmath>

namespace {
constexpr double EarthCircumference = 40075016.686; // metres at the equator

double latitudeOf(double worldY) {
    return qRadiansToDegrees(std::atan(std::sinh(M_PI * (1 - 2 * worldY))));
}
} // namespace

void MapCamera::setCenterLatitude(double latitude) {
    latitude = std::clamp(latitude, -MaxLatitude, MaxLatitude);
    if (latitude != m_latitude) {
        m_latitude = latitude;
        touch();
    }
}

void MapCamera::setCenterLongitude(double longitude) {
    longitude = std::remainder(longitude, 360.0);
    if (longitude != m_longitude) {
        m_longitude = longitude;
        touch();
    }
}

void MapCamera::setZoomLevel(double zoom) {
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom != m_zoom) {
        m_zoom = zoom;
        touch();
    }
}

void MapCamera::setWidth(double width) {
    if (width != m_width) {
        m_width = width;
        touch();
    }
}

void MapCamera::setHeight(double height) {
    if (height != m_height) {
        m_height = height;
        touch();
    }
}

void MapCamera::touch() {
    ++m_revision;
    emit changed();
}

QPointF MapCamera::worldPoint(double latitude, double longitude) {
    const double lat = qDegreesToRadians(std::clamp(latitude, -MaxLatitude, MaxLatitude));
    return {(longitude + 180.0) / 360.0, (1 - std::asinh(std::tan(lat)) / M_PI) / 2};
}

double MapCamera::worldSize() const {
    return 256.0 * std::exp2(m_zoom);
}

QPointF MapCamera::toView(QPointF world) const {
    const QPointF center = worldPoint(m_latitude, m_longitude);
    const double size = worldSize();
    return {(world.x() - center.x()) * size + m_width / 2,
            (world.y() - center.y()) * size + m_height / 2};
}

QPointF MapCamera::project(double latitude, double longitude, int) const {
    return toView(worldPoint(latitude, longitude));
}

void MapCamera::pan(double dx, double dy) {
    const QPointF center = worldPoint(m_latitude, m_longitude);
    const double size = worldSize();
    const double y = std::clamp(center.y() - dy / size, 0.0, 1.0);
    m_latitude = std::clamp(latitudeOf(y), -MaxLatitude, MaxLatitude);
    m_longitude = std::remainder((center.x() - dx / size) * 360.0 - 180.0, 360.0);
    touch();
}

void MapCamera::zoomAround(double zoom, double x, double y) {
    const double before = worldSize();
    setZoomLevel(zoom);
    const double factor = worldSize() / before;
    // The point under (x, y) moved away from the centre by the zoom factor; move it back.
    const double ox = x - m_width / 2, oy = y - m_height / 2;
    pan(-(ox * factor - ox), -(oy * factor - oy));
}

QVariantMap MapCamera::regionFor(double latitude, double longitude, double latitudeSpan,
                                 double longitudeSpan) const {
    // The centre stays as given; the zoom fits the wider of its two halves north and south,
    // which differ on a Mercator map.
    const QPointF center = worldPoint(latitude, longitude);
    const QPointF top = worldPoint(latitude + latitudeSpan / 2, longitude - longitudeSpan / 2);
    const QPointF bottom = worldPoint(latitude - latitudeSpan / 2, longitude + longitudeSpan / 2);
    const double across = std::max(bottom.x() - top.x(), 1e-9);
    const double down = std::max(2 * std::max(center.y() - top.y(), bottom.y() - center.y()), 1e-9);
    const double zoom = std::min(std::log2(std::max(m_width, 1.0) / (256.0 * across)),
                                 std::log2(std::max(m_height, 1.0) / (256.0 * down)));
    return {{QStringLiteral("latitude"), latitude},
            {QStringLiteral("longitude"), longitude},
            {QStringLiteral("zoomLevel"), std::clamp(zoom, MinZoom, MaxZoom)}};
}

QVariantMap MapCamera::scaleBar(double maxWidth, bool imperial, int) const {
    const double metresPerPixel =
        EarthCircumference * std::cos(qDegreesToRadians(m_latitude)) / worldSize();
    // Feet below a mile, else miles; metres below a kilometre, else kilometres.
    const double unitMetres[2][2] = {{1.0, 1000.0}, {0.3048, 1609.344}};
    const char *unitNames[2][2] = {{"m", "km"}, {"ft", "mi"}};
    const int system = imperial ? 1 : 0;
    const double longest = maxWidth * metresPerPixel;
    int unit = longest >= unitMetres[system][1] ? 1 : 0;
    const double inUnit = longest / unitMetres[system][unit];
    const double magnitude = std::pow(10.0, std::floor(std::log10(inUnit)));
    double round = magnitude;
    for (double step : {5.0, 2.0, 1.0}) {
        if (step * magnitude <= inUnit) {
            round = step * magnitude;
            break;
        }
    }
    return {{QStringLiteral("width"), round * unitMetres[system][unit] / metresPerPixel},
            {QStringLiteral("text"),
             QString::number(round) + QLatin1Char(' ') + QLatin1String(unitNames[system][unit])}};
}
