#pragma once

#include "exchange/device/FoundSession.h"

#include <QByteArrayView>

// Reads the sessions of a FIT file (the binary activity file of watches, bike computers and
// training apps): its file_id, sport, lap and session messages. Definition messages, developer
// fields, compressed timestamp headers and several FIT files chained in one are understood; a
// wrong header, a checksum that does not match, a file cut short or a damaged message refuses
// the whole file.
class FitReader {
public:
    // Whether the bytes start with a FIT file header (".FIT" after a 12 or 14 byte header size).
    static bool looksLikeFit(QByteArrayView bytes);
    static DeviceFileContent read(QByteArrayView bytes);
    // The protocol's CRC-16 over `bytes`, continuing from `crc`.
    static quint16 crc(QByteArrayView bytes, quint16 crc = 0);
};
