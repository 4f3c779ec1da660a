#include "route/LocationSeeder.h"

#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "platform/NumberReading.h"

#include <QDebug>
#include <QFile>
#include <QStringDecoder>
#include <optional>

namespace {

// Attribute of each field of a line, by index. The distances run Bangor, Miami, Seattle, SLC:
// the attribute names sorted without regard to case, as the export writes them.
const char *const FieldKeys[] = {
    "fromCity",       "latitude",         "longitude",    "milesFromBangor",
    "milesFromMiami", "milesFromSeattle", "milesFromSLC", "name"};
constexpr qsizetype FieldCount = 8;

enum class Encoding { Utf8, Ascii };

std::optional<QString> readText(const QString &path, Encoding encoding, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (encoding == Encoding::Ascii) {
        for (const char c : bytes) {
            if (static_cast<unsigned char>(c) > 0x7F) {
                *error = QStringLiteral("The file is not plain ASCII text");
                return std::nullopt;
            }
        }
        return QString::fromLatin1(bytes);
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        *error = QStringLiteral("The file is not UTF-8 text");
        return std::nullopt;
    }
    return text;
}

// False when a place could not be read or deleted.
bool deleteAllPlaces() {
    std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
    FetchRequest request = Locations::fetchRequest();
    request.setIncludesPropertyValues(false);
    QString error;
    const QList<Record> places = context->fetch(request, &error);
    if (!error.isEmpty()) {
        qWarning().noquote() << error;
        return false;
    }
    bool all = true;
    for (const Record &place : places) {
        context->remove(place);
        if (!context->save(&error)) {
            qWarning().noquote() << error;
            all = false;
        }
    }
    return all;
}

// Fields 1 to 6 must read as numbers; a line that breaks this would store a place the map
// could never reach, so it is left out whole.
bool numbersReadable(const QStringList &fields) {
    for (qsizetype i = 1; i < qMin(fields.size(), qsizetype(7)); ++i) {
        if (!NumberReading::wholeFloat(fields.at(i)))
            return false;
    }
    return true;
}

} // namespace

QString LocationSeeder::resourcePath() {
    return QStringLiteral(":/qt/qml/Pacelog/resources/TreadmillLocations.txt");
}

bool LocationSeeder::seed(const QString &path) {
    QString error;
    std::optional<QString> fileObject = readText(path, Encoding::Utf8, &error);
    if (!fileObject)
        qWarning().noquote() << error;

    bool stored = deleteAllPlaces();

    // The file is read once more as ASCII; that text wins when it can be read.
    if (std::optional<QString> ascii = readText(path, Encoding::Ascii, &error))
        fileObject = std::move(ascii);
    else
        qWarning().noquote() << error;
    if (!fileObject)
        return stored;

    QString text = std::move(*fileObject);
    text.remove(QLatin1Char('\r'));
    const QStringList lines = text.split(QLatin1Char('\n'));

    Context &context = AppDelegate::shared()->persistentContainer();
    for (const QString &line : lines) {
        if (line.isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('^'));
        if (fields.size() > FieldCount || !numbersReadable(fields))
            continue;

        const QString theFromCity = fields.value(0);
        const QString theLatitude = fields.value(1);
        const QString theLongitude = fields.value(2);
        // The coordinates go in as text: the store reads them as numbers to compare them with
        // the stored floats.
        FetchRequest request = Locations::fetchRequest();
        request.where(QStringLiteral("fromCity == %@"), theFromCity)
            .where(QStringLiteral("latitude == %@"), theLatitude)
            .where(QStringLiteral("longitude == %@"), theLongitude);
        // A failed query counts as finding nothing; the insert then reports its own failure.
        QString queryError;
        const QList<Record> results = context.fetch(request, &queryError);
        if (!queryError.isEmpty()) {
            qWarning().noquote() << queryError;
            stored = false;
        }
        const qsizetype resultCount = results.size();
        if (resultCount > 0)
            continue;

        Locations place;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QString key = QLatin1String(FieldKeys[i]);
            if (i == 0 || i == FieldCount - 1)
                place.setValue(key, fields.at(i));
            else
                place.setValue(key, *NumberReading::wholeFloat(fields.at(i)));
        }
        context.insert(place);
        if (!context.save(&error)) {
            qWarning().noquote() << error;
            stored = false;
        }
    }
    return stored;
}
