#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// One row of a device import: a session found in a file, or a file refused whole, with the
// texts the session would be stored with.
struct DeviceImportRow {
    enum class Status { New, Duplicate, Skipped, Refused };

    Status status = Status::New;
    QString reason; // why, for every status but New
    QString file;

    // As the file states it (nothing for a refused file).
    QDateTime start; // UTC
    QString sport;
    QString subSport;
    double metres = 0;
    qint64 kilocalories = 0;

    // As it would be stored.
    QString date;
    QString calories;
    QString fatCalories;
    QString distance;
    QString laps;
    QDate day;                // the local day of the start
    double distanceValue = 0; // the distance text's number, for telling duplicates

    QString statusText() const;
};
