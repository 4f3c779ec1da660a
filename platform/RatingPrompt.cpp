#include "platform/RatingPrompt.h"

#include "platform/UrlOpener.h"

#include <QUrlQuery>

namespace {
// Pacelog's page on the app store. The id is a placeholder until the store assigns one.
const char *const StorePage = "https://apps.apple.com/app/pacelog/id0000000000";
} // namespace

RatingPrompt *RatingPrompt::instance() {
    static RatingPrompt *prompt = new RatingPrompt;
    return prompt;
}

RatingPrompt *RatingPrompt::create(QQmlEngine *, QJSEngine *) {
    RatingPrompt *prompt = instance();
    QJSEngine::setObjectOwnership(prompt, QJSEngine::CppOwnership);
    return prompt;
}

QUrl RatingPrompt::reviewUrl() {
    QUrl url(QString::fromLatin1(StorePage));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("action"), QStringLiteral("write-review"));
    url.setQuery(query);
    return url;
}

void RatingPrompt::ask() {
    if (m_showing)
        return;
    m_showing = true;
    emit showingChanged();
}

void RatingPrompt::respond(bool rate) {
    if (!m_showing)
        return;
    m_showing = false;
    emit showingChanged();
    if (rate)
        UrlOpener::open(reviewUrl());
}
