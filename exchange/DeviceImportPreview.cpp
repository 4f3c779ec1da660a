#include "exchange/DeviceImportPreview.h"

#include "exchange/device/DeviceFileReader.h"
#include "exchange/device/DeviceFileSource.h"
#include "log/SessionRules.h"
#include "model/Context.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"

#include <cmath>

namespace {

constexpr double MetresPerMile = 1609.344;
constexpr double MetresPerKilometre = 1000.0;

} // namespace

QString DeviceImportRow::statusText() const {
    switch (status) {
    case Status::New:
        return QStringLiteral("new");
    case Status::Duplicate:
        return QStringLiteral("duplicate");
    case Status::Skipped:
        return QStringLiteral("skipped");
    case Status::Refused:
        return QStringLiteral("refused");
    }
    return QString();
}

DeviceImportPreview::DeviceImportPreview(bool miles) : m_miles(miles) {}

bool DeviceImportPreview::loadStored(Context &context, QString *error) {
    m_stored.clear();
    FetchRequest request = UserData::fetchRequest();
    request.setPropertiesToFetch({QStringLiteral("year"), QStringLiteral("imonth"),
                                  QStringLiteral("iday"), QStringLiteral("distance")});
    // Sessions typed in and sessions from an export file both carry the day's year text and
    // month and day numbers; a session without them has no day to compare.
    return context.forEach(
        request,
        [this](const QVariantList &values) {
            const QDate day(values.at(0).toString().toInt(), values.at(1).toInt(),
                            values.at(2).toInt());
            if (day.isValid())
                m_stored[day].append(NumberReading::leadingFloat(values.at(3).toString()));
        },
        error);
}

DeviceImportRow DeviceImportPreview::rowFor(const QString &file, const FoundSession &found) const {
    DeviceImportRow row;
    row.file = file;
    row.start = found.start;
    row.sport = found.sport;
    row.subSport = found.subSport;
    row.metres = found.metres;
    row.kilocalories = qRound64(found.kilocalories.value_or(0));
    row.date = Formatting::mediumDate(found.start);
    row.day = found.start.toLocalTime().date();
    row.calories = QString::number(row.kilocalories);
    row.distance =
        Formatting::fixed3(found.metres / (m_miles ? MetresPerMile : MetresPerKilometre));
    row.distanceValue = NumberReading::leadingFloat(row.distance);
    row.fatCalories = SessionRules::fatCalories(row.calories).value_or(QString());
    row.laps = SessionRules::laps(row.distance, m_miles).value_or(QString());
    return row;
}

void DeviceImportPreview::addFile(const DeviceFile &file) {
    DeviceFileContent content = file.error.isEmpty() ? DeviceFileReader::read(file.name, file.bytes)
                                                     : DeviceFileContent::refused(file.error);
    if (content.isRefused()) {
        DeviceImportRow row;
        row.status = DeviceImportRow::Status::Refused;
        row.reason = content.refusal;
        row.file = file.name;
        m_rows.append(row);
        return;
    }
    for (const FoundSession &found : content.sessions)
        m_rows.append(rowFor(file.name, found));
}

bool DeviceImportPreview::isLoggedSport(const QString &sport) {
    return sport == QLatin1String("running") || sport == QLatin1String("walking");
}

bool DeviceImportPreview::isSameDistance(double a, double b) {
    return std::fabs(a - b) <= 0.01 * std::max(std::fabs(a), std::fabs(b));
}

void DeviceImportPreview::classify(bool allSports) {
    QHash<QDate, QList<double>> earlier;
    const auto within = [](const QHash<QDate, QList<double>> &days, const DeviceImportRow &row) {
        const auto it = days.constFind(row.day);
        if (it == days.constEnd())
            return false;
        for (double distance : *it) {
            if (isSameDistance(distance, row.distanceValue))
                return true;
        }
        return false;
    };
    for (DeviceImportRow &row : m_rows) {
        if (row.status == DeviceImportRow::Status::Refused)
            continue;
        if (!allSports && !isLoggedSport(row.sport)) {
            row.status = DeviceImportRow::Status::Skipped;
            row.reason = row.sport;
        } else if (within(m_stored, row)) {
            row.status = DeviceImportRow::Status::Duplicate;
            row.reason = QStringLiteral("already stored");
        } else if (within(earlier, row)) {
            row.status = DeviceImportRow::Status::Duplicate;
            row.reason = QStringLiteral("earlier in this import");
        } else {
            row.status = DeviceImportRow::Status::New;
            row.reason.clear();
            earlier[row.day].append(row.distanceValue);
        }
    }
}

int DeviceImportPreview::count(DeviceImportRow::Status status) const {
    return int(std::count_if(m_rows.cbegin(), m_rows.cend(), [status](const DeviceImportRow &row) {
        return row.status == status;
    }));
}

UserData DeviceImportPreview::session(const DeviceImportRow &row) {
    UserData session;
    session.setTreadDate(row.start);
    SessionRules::writeFigures(session, row.calories, row.fatCalories, row.distance, row.laps);
    session.setDate(row.date);
    return session;
}
