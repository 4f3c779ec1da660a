#include "exchange/SpreadsheetExportFile.h"

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/TemporaryDirectory.h"

#include <QDate>

namespace {

// The session's day from its year text, month and day (every session carries them, whether
// typed in or imported), as YYYY-MM-DD; empty when they do not make a date.
QString isoDay(const QVariant &year, const QVariant &month, const QVariant &day) {
    const QDate date(year.toString().toInt(), month.toInt(), day.toInt());
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

} // namespace

QString SpreadsheetExportFile::field(const QString &text) {
    static const QString special = QStringLiteral(",\"\r\n");
    bool quote = false;
    for (QChar c : text) {
        if (special.contains(c)) {
            quote = true;
            break;
        }
    }
    if (!quote)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString SpreadsheetExportFile::build(Context &context, bool miles) {
    QString out = QStringLiteral("date,calories,fatCalories,distance,unit,laps\r\n");
    const QString unit = miles ? QStringLiteral("mi") : QStringLiteral("km");
    FetchRequest request = UserData::fetchRequest();
    request.sortBy(QStringLiteral("year"))
        .sortBy(QStringLiteral("imonth"))
        .sortBy(QStringLiteral("iday"));
    request.setPropertiesToFetch({QStringLiteral("year"), QStringLiteral("imonth"),
                                  QStringLiteral("iday"), QStringLiteral("calories"),
                                  QStringLiteral("fatCalories"), QStringLiteral("distance"),
                                  QStringLiteral("laps")});
    const bool ok = context.forEach(request, [&](const QVariantList &v) {
        out += isoDay(v.at(0), v.at(1), v.at(2));
        for (int i = 3; i < 6; ++i) {
            out += QLatin1Char(',');
            out += field(v.at(i).toString());
        }
        out += QLatin1Char(',');
        out += unit;
        out += QLatin1Char(',');
        out += field(v.at(6).toString());
        out += QStringLiteral("\r\n");
    });
    return ok ? out : QString();
}

QString SpreadsheetExportFile::temporaryPath() {
    return TemporaryDirectory::filePath(QStringView(FileName).toString());
}
