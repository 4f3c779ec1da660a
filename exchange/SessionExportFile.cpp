#include "exchange/SessionExportFile.h"

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/TemporaryDirectory.h"

#include <QSaveFile>

namespace {

// A line is about this long; reserving once keeps the build linear for large logs.
constexpr qsizetype TypicalLineLength = 56;

void appendNumber(QString &out, const QVariant &value) {
    // An absent month or day (a session that came in without one) is an empty field, so the
    // session still goes out and reads back with the month or day unset.
    if (value.isValid())
        out += QString::number(value.toLongLong());
}

} // namespace

std::optional<QString> SessionExportFile::build(Context &context, QString *error) {
    QString out;
    out += QStringView(Marker);
    out += QLatin1Char('\n');

    FetchRequest request = UserData::fetchRequest();
    const int sessions = context.count(request);
    if (sessions > 0)
        out.reserve(out.size() + qsizetype(sessions) * TypicalLineLength);
    request.sortBy(QStringLiteral("year"))
        .sortBy(QStringLiteral("imonth"))
        .sortBy(QStringLiteral("iday"));
    request.setPropertiesToFetch({QStringLiteral("date"), QStringLiteral("calories"),
                                  QStringLiteral("fatCalories"), QStringLiteral("distance"),
                                  QStringLiteral("laps"), QStringLiteral("year"),
                                  QStringLiteral("imonth"), QStringLiteral("iday")});
    const bool ok = context.forEach(
        request,
        [&out](const QVariantList &v) {
        for (int i = 0; i < 6; ++i) {
            out += v.at(i).toString();
            out += QLatin1Char('^');
        }
        appendNumber(out, v.at(6));
        out += QLatin1Char('^');
        appendNumber(out, v.at(7));
        out += QLatin1Char('\n');
        },
        error);
    if (!ok)
        return std::nullopt;
    return out;
}

bool SessionExportFile::write(const QString &text, const QString &path, QString *error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString SessionExportFile::temporaryPath() {
    return TemporaryDirectory::filePath(QStringView(FileName).toString());
}
