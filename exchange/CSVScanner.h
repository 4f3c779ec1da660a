#pragma once

#include <QString>

class Context;

// Reads the built-in comma-separated session data and stores every line whose first field is
// not empty as a session (date, calories, fat calories, distance, laps, year text, month, day).
// There is no quoting and no header; sessions already stored are left alone.
class CSVScanner {
public:
    // The file of a resource shipped with the app ("caloriesburned" -> caloriesburned.csv).
    static QString resourcePath(const QString &name);

    // Scans the file at `path` into the store through a context of its own, saving each line;
    // a line whose save fails is reported and passed over. A file that is missing or not UTF-8
    // stores nothing. Returns the number of sessions stored.
    static int scanCSV(const QString &path);
    // Scans the file into `context` without saving, so the caller commits the whole file with
    // its own changes at once. Stops at the first failed write (the context is rolled back to
    // its last save then) and returns -1; otherwise the number of sessions inserted.
    static int scanCSV(const QString &path, Context &context);
};
