#pragma once

#include <QUrl>

// Hands an address to the system (browser, store app). With $PACELOG_URL_LOG set, the address
// is appended as one line to that file instead, so automation can see what would open.
class UrlOpener {
public:
    static bool open(const QUrl &url);
};
