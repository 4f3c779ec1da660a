#pragma once

#include <QString>
#include <QUrl>

// Pacelog's outside addresses: its store page, its web page and the developer's mail address.
// They are set when Pacelog is built (CMake cache variables PACELOG_STORE_URL, PACELOG_WEB_URL
// and PACELOG_CONTACT_EMAIL), so whoever ships it puts their own here and nowhere else.
class AppLinks {
public:
    static QUrl storePage();
    static QString webPage();
    static QString contactEmail();
    // The store page opened on its review form: exactly one query item, action=write-review,
    // whatever query the address had before. Invalid when the address does not form a URL.
    static QUrl reviewUrl(const QUrl &storePage = AppLinks::storePage());
};
