#pragma once

#include <QString>
#include <optional>

class Context;

// The places file in the line format the built-in places file uses: one line per place with
// leg key, latitude, longitude, the distances from Bangor, Miami, Seattle and SLC, and name,
// separated by carets, numbers as their shortest float text. A file written here can replace
// the built-in one.
class LocationsExportFile {
public:
    // Every place, ordered by leg key, then the distances from Miami, SLC, Seattle and Bangor,
    // then latitude and longitude. No places give the empty text; a read that fails part way
    // gives no text at all and the store's reason.
    static std::optional<QString> build(Context &context, QString *error = nullptr);
};
