#pragma once

#include <QString>
#include <optional>

class Context;

// The session export file "Treadmill.csv": the marker line, then one caret-separated line per
// session (date, calories, fat calories, distance, laps, year text, month, day) ordered by year
// text, month and day. Stored texts go out unchanged; every line ends in a line feed.
class SessionExportFile {
public:
    static constexpr char16_t Marker[] = u"[TREADMILL]";
    static constexpr char16_t FileName[] = u"Treadmill.csv";

    // The whole file text of every session in the store; no text when the store could not be
    // read to the end, so a cut file never looks complete.
    static std::optional<QString> build(Context &context, QString *error = nullptr);

    // Writes `text` as UTF-8 without a byte-order mark, replacing the file at once.
    static bool write(const QString &text, const QString &path, QString *error = nullptr);
    // "Treadmill.csv" in the app's temporary directory.
    static QString temporaryPath();
};
