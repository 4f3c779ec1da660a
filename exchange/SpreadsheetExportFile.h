#pragma once

#include <QString>

class Context;

// The sessions as a spreadsheet opens them: an RFC 4180 CSV file "Treadmill-sessions.csv" with
// a header row, then one row per session ordered by day: ISO date, calories, fat calories,
// distance, unit ("mi" or "km", the current unit) and laps, the stored texts unchanged and
// quoted where the format needs it. Lines end in CR LF.
class SpreadsheetExportFile {
public:
    static constexpr char16_t FileName[] = u"Treadmill-sessions.csv";

    // The whole text; empty when the store cannot be read.
    static QString build(Context &context, bool miles);
    // One field as RFC 4180 writes it: in double quotes (doubled inside) when it holds a comma,
    // a quote or a line break.
    static QString field(const QString &text);
    static QString temporaryPath();
};
