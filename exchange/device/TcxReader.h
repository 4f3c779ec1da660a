#pragma once

#include "exchange/device/FoundSession.h"

#include <QByteArrayView>

// Reads the activities of a TCX file (Garmin's Training Center XML): each Activity is one
// session, its sport the Activity's Sport in lower case, its start the first Lap's StartTime
// (else its Id), its distance and calories the sums over its Laps.
class TcxReader {
public:
    static DeviceFileContent read(QByteArrayView bytes);
};
