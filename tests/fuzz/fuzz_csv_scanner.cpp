// The CSV scanner: the input as the data file, scanned into an empty store.
#include "FuzzStore.h"
#include "exchange/CSVScanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzStore::emptyStore();
    CSVScanner::scanCSV(FuzzStore::inputFile(data, size));
    return 0;
}
