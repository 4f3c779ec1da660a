// The places file: the input loaded as the built-in places are, into an empty store, then
// written out again as the places export does.
#include "FuzzStore.h"
#include "route/LocationSeeder.h"
#include "route/LocationsExportFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzStore::emptyStore();
    (void)LocationSeeder::seed(FuzzStore::inputFile(data, size));
    (void)LocationsExportFile::build(AppDelegate::shared()->persistentContainer());
    return 0;
}
