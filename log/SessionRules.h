#pragma once

#include <QString>
#include <optional>

class QObject;
class UserData;

// The rules for typing a session's figures, shared by session entry and session edit.
namespace SessionRules {

// Calories per fat calorie, as a 32-bit float (3.208010673522949).
inline constexpr float CaloriesPerFatCalorie = 3.2080107f;
inline constexpr float LapsPerMile = 4.0f;
inline constexpr float LapsPerKilometre = 2.734025f;
inline const QString AllowedCharacters = QStringLiteral("0123456789.-");

// Whether replacing `length` characters at `location` of `current` with `replacement` keeps a
// calories or distance field acceptable: allowed characters only, at most one ".", at most three
// digits after it. An edit whose range does not fit the text is let through.
bool acceptsEdit(const QString &current, int location, int length, const QString &replacement);

// Fat calories for a calories text: none for empty text or text that is not a whole number.
std::optional<QString> fatCalories(const QString &calories);

// Laps for a distance text read leniently; none for empty text. "%.2f".
std::optional<QString> laps(const QString &distance, bool miles);

// A stored fat-calories text as the list and the edit screen show it: two decimals ("%.2f")
// when it is a number, otherwise the text as stored, so nothing invents a figure.
QString fatCaloriesShown(const QString &stored);

// Stores the four figures as the fields show them: a field never typed in is an empty text,
// never an absent one.
void writeFigures(UserData &session, const QString &calories, const QString &fatCalories,
                  const QString &distance, const QString &laps);

// Date, calories and distance must be filled before a session is stored.
bool hasRequiredFields(const QString &date, const QString &calories, const QString &distance);
// The alert for a missing required field, on a later turn of the main loop.
void alertRequiredFields(QObject *owner);

} // namespace SessionRules
