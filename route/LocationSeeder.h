#pragma once

#include <QString>

// Loads the built-in route places into the store, replacing every place there (the user's own
// included). The main menu decides when; nothing is shown to the user and problems only reach
// the console, but the caller learns whether the store holds the whole set.
class LocationSeeder {
public:
    // The built-in places file shipped with the app.
    static QString resourcePath();

    // Deletes every place, then inserts one place per line of the caret-separated file at
    // `path`, skipping lines whose leg and coordinates are already in the store. False when a
    // deletion or an insert was refused (an unreadable file is no failure: nothing to store).
    [[nodiscard]] static bool seed(const QString &path = resourcePath());
};
