// The FIT reader: the input as a FIT file's bytes.
#include "exchange/device/FitReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FitReader::read(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
