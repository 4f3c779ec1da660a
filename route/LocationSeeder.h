#pragma once

#include <QString>

// Loads the built-in route places into the store, replacing every place there (the user's own
// included). The main menu decides when; nothing is shown to the user and problems only reach
// the console.
class LocationSeeder {
public:
    // The built-in places file shipped with the app.
    static QString resourcePath();

    // Deletes every place, then inserts one place per line of the caret-separated file at
    // `path`, skipping lines whose leg and coordinates are already in the store.
    static void seed(const QString &path = resourcePath());
};
