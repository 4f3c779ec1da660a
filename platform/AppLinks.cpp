#include "platform/AppLinks.h"

#include <QUrlQuery>

QUrl AppLinks::storePage() {
    return QUrl(QStringLiteral(PACELOG_STORE_URL), QUrl::StrictMode);
}

QString AppLinks::webPage() {
    return QStringLiteral(PACELOG_WEB_URL);
}

QString AppLinks::contactEmail() {
    return QStringLiteral(PACELOG_CONTACT_EMAIL);
}

QUrl AppLinks::reviewUrl(const QUrl &storePage) {
    if (!storePage.isValid() || storePage.isEmpty())
        return QUrl();
    QUrl url = storePage;
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("action"), QStringLiteral("write-review"));
    url.setQuery(query);
    return url;
}
