#pragma once

#include "exchange/DeviceImportRow.h"

#include <QStringList>

class QTextStream;

// `pacelog --import PATH... [--dry-run] [--all-sports]`: the device import without a window,
// for people who sync a watch folder with a script. One tab-separated line per row:
// status, local day (YYYY-MM-DD), sport, metres with 2 decimals, kilocalories, file and, for
// every status but "new", the reason.
class DeviceImportCommand {
public:
    struct Options {
        QStringList paths;
        bool dryRun = false;
        bool allSports = false;
    };
    // 0, or 1 when a path cannot be read at all or the store refuses the sessions.
    static int run(const Options &options, QTextStream &out, QTextStream &err);
    static QString line(const DeviceImportRow &row);
};
