#include "exchange/device/TcxReader.h"

#include "exchange/device/XmlTime.h"

#include <QXmlStreamReader>

namespace {

// Reads one Lap element: its StartTime, and its own DistanceMeters and Calories (the track
// points' running distances inside it are not the lap's).
void readLap(QXmlStreamReader &xml, FoundSession &session, bool &hasStart, bool &hasCalories) {
    const QDateTime start = xmlTime(xml.attributes().value(QLatin1String("StartTime")).toString());
    if (start.isValid() && !hasStart) {
        session.start = start;
        hasStart = true;
    }
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("DistanceMeters")) {
            bool ok = false;
            const double metres = xml.readElementText().trimmed().toDouble(&ok);
            if (ok && metres > 0)
                session.metres += metres;
        } else if (name == QLatin1String("Calories")) {
            bool ok = false;
            const double kcal = xml.readElementText().trimmed().toDouble(&ok);
            if (ok && kcal >= 0) {
                session.kilocalories = session.kilocalories.value_or(0) + kcal;
                hasCalories = true;
            }
        } else {
            xml.skipCurrentElement();
        }
    }
}

std::optional<FoundSession> readActivity(QXmlStreamReader &xml) {
    FoundSession session;
    session.sport = xml.attributes().value(QLatin1String("Sport")).toString().toLower();
    QDateTime id;
    bool hasStart = false;
    bool hasCalories = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("Id"))
            id = xmlTime(xml.readElementText());
        else if (xml.name() == QLatin1String("Lap"))
            readLap(xml, session, hasStart, hasCalories);
        else
            xml.skipCurrentElement();
    }
    if (!hasStart)
        session.start = id;
    if (!session.start.isValid())
        return std::nullopt;
    return session;
}

} // namespace

DeviceFileContent TcxReader::read(QByteArrayView bytes) {
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), bytes.size()));
    DeviceFileContent content;
    bool timeless = false;
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("TrainingCenterDatabase"))
        return DeviceFileContent::refused(QStringLiteral("not a TCX file"));
    while (xml.readNextStartElement()) {
        if (xml.name() != QLatin1String("Activities")) {
            xml.skipCurrentElement();
            continue;
        }
        while (xml.readNextStartElement()) {
            if (xml.name() != QLatin1String("Activity")) {
                xml.skipCurrentElement();
                continue;
            }
            if (auto session = readActivity(xml))
                content.sessions.append(*session);
            else
                timeless = true;
        }
    }
    if (xml.hasError())
        return DeviceFileContent::refused(QStringLiteral("damaged TCX file: ") + xml.errorString());
    if (timeless)
        return DeviceFileContent::refused(QStringLiteral("a TCX activity has no start time"));
    if (content.sessions.isEmpty())
        return DeviceFileContent::refused(QStringLiteral("no activity in the TCX file"));
    return content;
}
