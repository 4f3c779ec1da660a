#pragma once

#include "exchange/DeviceImportRow.h"

#include <QHash>
#include <QList>

class Context;
class UserData;
struct DeviceFile;
struct FoundSession;

// What a device import would do, row by row, before anything is stored: each session becomes
// the texts the entry screen would store for it, and is "new", a "duplicate" (same local day
// and a distance within 1 % of one stored or earlier in the same import), "skipped" (a sport
// other than running or walking, unless every sport is wanted) or, for a file that cannot be
// taken, "refused".
class DeviceImportPreview {
public:
    explicit DeviceImportPreview(bool miles);

    // The stored sessions' days and distances, read once. False when the store cannot be read.
    bool loadStored(Context &context, QString *error = nullptr);
    // Reads one file into rows: one per session, or one refused row.
    void addFile(const DeviceFile &file);
    // Gives every row its status, in import order.
    void classify(bool allSports);

    const QList<DeviceImportRow> &rows() const { return m_rows; }
    int count(DeviceImportRow::Status status) const;

    static bool isLoggedSport(const QString &sport);
    static bool isSameDistance(double a, double b);
    // The session a row becomes, as the entry screen would write it.
    static UserData session(const DeviceImportRow &row);

private:
    DeviceImportRow rowFor(const QString &file, const FoundSession &found) const;

    bool m_miles;
    QList<DeviceImportRow> m_rows;
    QHash<QDate, QList<double>> m_stored;
};
