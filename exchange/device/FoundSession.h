#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// One session a device file holds, as the file states it: nothing converted to the log's units.
struct FoundSession {
    QDateTime start; // UTC
    QString sport;   // lower case: "running", "walking", "cycling", ...
    QString subSport;
    double metres = 0;
    std::optional<double> kilocalories; // absent when the file has none (a GPX track)
};

// What a reader made of one file: its sessions, or why it refuses the file. A refused file
// gives no sessions at all, so nothing of a damaged file is ever stored.
struct DeviceFileContent {
    QList<FoundSession> sessions;
    QString refusal;

    bool isRefused() const { return !refusal.isEmpty(); }
    static DeviceFileContent refused(const QString &reason) { return {{}, reason}; }
};
