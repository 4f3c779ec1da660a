#include "log/SessionRules.h"

#include "model/UserData.h"
#include "platform/AlertPresenter.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"

namespace SessionRules {

bool acceptsEdit(const QString &current, int location, int length, const QString &replacement) {
    if (location < 0 || length < 0 || location + length > current.size())
        return true;
    for (QChar c : replacement) {
        if (!AllowedCharacters.contains(c))
            return false;
    }
    const QString after = current.left(location) + replacement + current.mid(location + length);
    const int dot = int(after.indexOf(QLatin1Char('.')));
    if (dot < 0)
        return true;
    if (after.indexOf(QLatin1Char('.'), dot + 1) >= 0)
        return false;
    return after.size() - dot - 1 <= 3;
}

std::optional<QString> fatCalories(const QString &calories) {
    if (calories.isEmpty())
        return std::nullopt;
    const auto value = NumberReading::wholeFloat(calories);
    if (!value)
        return std::nullopt;
    const float quotient = *value / CaloriesPerFatCalorie;
    return Formatting::shortestFloat(quotient);
}

std::optional<QString> laps(const QString &distance, bool miles) {
    if (distance.isEmpty())
        return std::nullopt;
    const float value = NumberReading::leadingFloat(distance);
    const float product = value * (miles ? LapsPerMile : LapsPerKilometre);
    return Formatting::fixed2(product);
}

QString fatCaloriesShown(const QString &stored) {
    const auto value = NumberReading::wholeFloat(stored);
    return value ? Formatting::fixed2(*value) : stored;
}

void writeFigures(UserData &session, const QString &calories, const QString &fatCalories,
                  const QString &distance, const QString &laps) {
    const auto asShown = [](const QString &text) {
        return text.isNull() ? QStringLiteral("") : text;
    };
    session.setCalories(asShown(calories));
    session.setFatCalories(asShown(fatCalories));
    session.setDistance(asShown(distance));
    session.setLaps(asShown(laps));
}

bool hasRequiredFields(const QString &date, const QString &calories, const QString &distance) {
    return !date.isEmpty() && !calories.isEmpty() && !distance.isEmpty();
}

void alertRequiredFields(QObject *owner) {
    AlertPresenter::instance()->presentLater(
        0, owner, QStringLiteral("New Session"),
        QStringLiteral("Session Not Saved - Required Fields in Red not Entered"));
}

} // namespace SessionRules
