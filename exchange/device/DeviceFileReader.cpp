#include "exchange/device/DeviceFileReader.h"

#include "exchange/device/FitReader.h"
#include "exchange/device/GpxReader.h"
#include "exchange/device/Gzip.h"
#include "exchange/device/TcxReader.h"

#include <QXmlStreamReader>

namespace {

QString rootElement(QByteArrayView bytes) {
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), bytes.size()));
    if (xml.readNextStartElement())
        return xml.name().toString();
    return QString();
}

} // namespace

DeviceFileContent DeviceFileReader::read(const QString &name, QByteArrayView bytes) {
    QString lowerName = name.toLower();
    QByteArray unpacked;
    if (Gzip::looksLikeGzip(bytes)) {
        QString error;
        unpacked = Gzip::unpack(bytes, &error);
        if (!error.isEmpty())
            return DeviceFileContent::refused(error);
        bytes = unpacked;
        if (lowerName.endsWith(QLatin1String(".gz")))
            lowerName.chop(3);
    }
    if (FitReader::looksLikeFit(bytes))
        return FitReader::read(bytes);
    if (lowerName.endsWith(QLatin1String(".fit")))
        return DeviceFileContent::refused(QStringLiteral("wrong FIT header"));
    const QString root = rootElement(bytes);
    if (root == QLatin1String("TrainingCenterDatabase"))
        return TcxReader::read(bytes);
    if (root == QLatin1String("gpx"))
        return GpxReader::read(bytes);
    return DeviceFileContent::refused(QStringLiteral("not a FIT, TCX or GPX file"));
}
