// Any device file: gzip, FIT, TCX and GPX told apart by content, as a picked file is read.
#include "exchange/device/DeviceFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    DeviceFileReader::read(QStringLiteral("input.gz"),
                           QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
