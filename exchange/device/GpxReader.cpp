#include "exchange/device/GpxReader.h"

#include "exchange/device/XmlTime.h"

#include <QXmlStreamReader>
#include <cmath>
#include <optional>

namespace {

// The mean Earth radius (IUGG), in metres.
constexpr double EarthRadius = 6371008.8;

struct Point {
    double lat;
    double lon;
};

std::optional<Point> readPoint(QXmlStreamReader &xml, QDateTime &firstTime) {
    const auto attributes = xml.attributes();
    bool latOk = false;
    bool lonOk = false;
    const double lat = attributes.value(QLatin1String("lat")).toDouble(&latOk);
    const double lon = attributes.value(QLatin1String("lon")).toDouble(&lonOk);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("time")) {
            const QDateTime time = xmlTime(xml.readElementText());
            if (time.isValid() && !firstTime.isValid())
                firstTime = time;
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!latOk || !lonOk || std::fabs(lat) > 90 || std::fabs(lon) > 180)
        return std::nullopt;
    return Point{lat, lon};
}

// One trk element: its type and the distance along each of its segments.
std::optional<FoundSession> readTrack(QXmlStreamReader &xml) {
    FoundSession session;
    session.sport = QStringLiteral("running");
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("type")) {
            const QString type = xml.readElementText().trimmed().toLower();
            if (!type.isEmpty())
                session.sport = type;
        } else if (xml.name() == QLatin1String("trkseg")) {
            std::optional<Point> previous;
            while (xml.readNextStartElement()) {
                if (xml.name() != QLatin1String("trkpt")) {
                    xml.skipCurrentElement();
                    continue;
                }
                const auto point = readPoint(xml, session.start);
                if (!point)
                    continue;
                if (previous)
                    session.metres += GpxReader::greatCircleMetres(previous->lat, previous->lon,
                                                                   point->lat, point->lon);
                previous = point;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
    if (!session.start.isValid())
        return std::nullopt;
    return session;
}

} // namespace

double GpxReader::greatCircleMetres(double lat1, double lon1, double lat2, double lon2) {
    constexpr double radians = M_PI / 180.0;
    const double dLat = (lat2 - lat1) * radians;
    const double dLon = (lon2 - lon1) * radians;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1 * radians) * std::cos(lat2 * radians) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * EarthRadius * std::asin(std::sqrt(std::min(1.0, a)));
}

DeviceFileContent GpxReader::read(QByteArrayView bytes) {
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), bytes.size()));
    DeviceFileContent content;
    bool untimed = false;
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("gpx"))
        return DeviceFileContent::refused(QStringLiteral("not a GPX file"));
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("trk")) {
            xml.skipCurrentElement();
            continue;
        }
        if (auto session = readTrack(xml))
            content.sessions.append(*session);
        else
            untimed = true;
    }
    if (xml.hasError())
        return DeviceFileContent::refused(QStringLiteral("damaged GPX file: ") + xml.errorString());
    // A track without times has no day to be logged on; the file is not taken in part.
    if (untimed)
        return DeviceFileContent::refused(QStringLiteral("GPX track without times"));
    if (content.sessions.isEmpty())
        return DeviceFileContent::refused(QStringLiteral("no track in the GPX file"));
    return content;
}
