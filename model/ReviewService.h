#pragma once

#include <QDateTime>
#include <functional>

// Asks for the rating prompt at most once a week. Every attempt is recorded, whether the
// prompt could be shown or not, so a refused or unseen prompt also waits seven days.
class ReviewService {
public:
    static ReviewService &shared();

    // The moment of the last attempt under "ReviewService.lastRequest"; invalid when there is
    // none or the stored value is not a date. Setting an invalid moment removes it.
    QDateTime lastRequest() const;
    void setLastRequest(const QDateTime &moment);

    // True without a last attempt, or when it lies strictly before now minus seven days.
    bool canRequest() const;
    void requestReview();

    // Stand-ins for the clock, the app's foreground state and the prompt itself; tests replace
    // them, an empty function restores the real one.
    void setClock(std::function<QDateTime()> now);
    void setActiveCheck(std::function<bool()> isActive);
    void setPrompt(std::function<void()> ask);

private:
    ReviewService();
    QDateTime now() const;

    std::function<QDateTime()> m_now;
    std::function<bool()> m_isActive;
    std::function<void()> m_ask;
};
