#pragma once

#include "exchange/device/FoundSession.h"

#include <QByteArrayView>
#include <QString>

// Tells a FIT, TCX or GPX file by its content (gzipped or not) and hands it to its reader;
// anything else is refused.
class DeviceFileReader {
public:
    // `name` only helps to name the refusal of a file that claims to be FIT by its extension.
    static DeviceFileContent read(const QString &name, QByteArrayView bytes);
};
