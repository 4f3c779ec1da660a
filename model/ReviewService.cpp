#include "model/ReviewService.h"

#include "model/Settings.h"
#include "platform/RatingPrompt.h"

#include <QGuiApplication>

namespace {
const QString LastRequestKey = QStringLiteral("ReviewService.lastRequest");

bool applicationIsActive() {
    return QGuiApplication::applicationState() == Qt::ApplicationActive;
}

void askPlatform() {
    RatingPrompt::instance()->ask();
}
} // namespace

ReviewService &ReviewService::shared() {
    static ReviewService service;
    return service;
}

ReviewService::ReviewService() {
    setClock({});
    setActiveCheck({});
    setPrompt({});
}

void ReviewService::setClock(std::function<QDateTime()> now) {
    m_now = now ? std::move(now) : [] { return QDateTime::currentDateTime(); };
}

void ReviewService::setActiveCheck(std::function<bool()> isActive) {
    m_isActive = isActive ? std::move(isActive) : applicationIsActive;
}

void ReviewService::setPrompt(std::function<void()> ask) {
    m_ask = ask ? std::move(ask) : askPlatform;
}

QDateTime ReviewService::now() const {
    return m_now();
}

QDateTime ReviewService::lastRequest() const {
    return Settings::standard().dateForKey(LastRequestKey);
}

void ReviewService::setLastRequest(const QDateTime &moment) {
    if (moment.isValid())
        Settings::standard().setDate(LastRequestKey, moment);
    else
        Settings::standard().remove(LastRequestKey);
}

bool ReviewService::canRequest() const {
    const QDateTime last = lastRequest();
    if (!last.isValid())
        return true;
    // Seven calendar days back in local time, so a week across a clock change is still a week.
    return last < now().toLocalTime().addDays(-7);
}

void ReviewService::requestReview() {
    if (!canRequest())
        return;
    if (m_isActive())
        m_ask();
    setLastRequest(now());
}
