#pragma once

#include <QString>

// Looks at a store file before anything may write to it. A file that is not a store, one that
// is cut short or corrupted, and one written by a newer Pacelog are refused with the reason,
// and the file is left exactly as it was: no journal, no schema step, no side files.
class StoreCheck {
public:
    struct Result {
        bool ok = true;
        QString error;       // the store's own words, for the "Unresolved error" line
        QString explanation; // what a person reads: what is wrong and what to do
    };
    // A missing or empty file is fine: it becomes a new store.
    static Result inspect(const QString &path);

private:
    static Result refused(const QString &error, const QString &what, const QString &path);
};
