#pragma once

#include "exchange/device/FoundSession.h"

#include <QByteArrayView>

// Reads the tracks of a GPX file: each track with timed points is one session that starts at
// its first point's time and covers the great-circle distance along its segments. A track's
// type names its sport ("running" when it has none); GPX has no calories.
class GpxReader {
public:
    static DeviceFileContent read(QByteArrayView bytes);
    // Metres along the great circle between two points given in degrees.
    static double greatCircleMetres(double lat1, double lon1, double lat2, double lon2);
};
