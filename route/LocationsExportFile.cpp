#include "route/LocationsExportFile.h"

#include "model/Context.h"
#include "model/Locations.h"
#include "platform/Formatting.h"

std::optional<QString> LocationsExportFile::build(Context &context, QString *error) {
    FetchRequest request = Locations::fetchRequest();
    for (const char *key : {"fromCity", "milesFromMiami", "milesFromSLC", "milesFromSeattle",
                            "milesFromBangor", "latitude", "longitude"})
        request.sortBy(QLatin1String(key));
    request.setPropertiesToFetch({QStringLiteral("fromCity"), QStringLiteral("latitude"),
                                  QStringLiteral("longitude"), QStringLiteral("milesFromBangor"),
                                  QStringLiteral("milesFromMiami"),
                                  QStringLiteral("milesFromSeattle"),
                                  QStringLiteral("milesFromSLC"), QStringLiteral("name")});
    QString out;
    const bool read = context.forEach(
        request,
        [&out](const QVariantList &v) {
            // A place without a leg belongs to no route and could not be loaded back onto one.
            if (!v.at(0).isValid())
                return;
            out += v.at(0).toString();
            for (int i = 1; i <= 6; ++i) {
                out += QLatin1Char('^');
                out += Formatting::shortestFloat(v.at(i).toFloat());
            }
            out += QLatin1Char('^');
            out += v.at(7).toString();
            out += QLatin1Char('\n');
        },
        error);
    if (!read)
        return std::nullopt;
    return out;
}
