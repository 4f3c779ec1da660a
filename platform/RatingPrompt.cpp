#include "platform/RatingPrompt.h"

#include "platform/AppLinks.h"
#include "platform/UrlOpener.h"

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
    return AppLinks::reviewUrl();
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
