#include "log/SessionDateActions.h"

#include "platform/DatePickerStyle.h"
#include "platform/Formatting.h"
#include "platform/Outlet.h"

SessionDateActions::SessionDateActions(Outlet *field, Outlet *picker, Opening opening,
                                       TodayText todayText)
    : m_field(field), m_picker(picker), m_opening(opening), m_todayText(todayText) {
    m_picker->setHidden(true);
    m_picker->setDate(QDateTime::currentDateTime());
}

void SessionDateActions::reset(const QDateTime &moment) {
    m_moment = moment;
    m_picked = false;
    m_picker->setHidden(true);
}

void SessionDateActions::DateEntered() {
    if (!m_picker->hidden())
        return;
    m_picker->setStyle(DatePickerStyle::fromSettings());
    if (m_opening == Opening::AtToday) {
        const QDateTime now = QDateTime::currentDateTime();
        m_picker->setDate(now);
        take(now, Formatting::mediumDate(now));
    } else if (m_moment.isValid()) {
        m_picker->setDate(m_moment);
    }
    m_picker->setHidden(false);
}

void SessionDateActions::take(const QDateTime &moment, const QString &shown) {
    m_field->setText(shown);
    m_moment = moment;
    m_picked = true;
}

void SessionDateActions::doneClick() {
    const QDateTime picked = m_picker->date();
    take(picked, Formatting::mediumDate(picked));
    dismissKeyboard();
}

void SessionDateActions::todayClick() {
    const QDateTime now = QDateTime::currentDateTime();
    take(now, m_todayText == TodayText::MediumDate ? Formatting::mediumDate(now)
                                                   : Formatting::monthDayYear(now));
    dismissKeyboard();
}

void SessionDateActions::dateValueChanged(const QDateTime &date) {
    m_picker->setDate(date);
    take(date, Formatting::mediumDate(date));
}

void SessionDateActions::dismissKeyboard() {
    m_picker->setHidden(true);
}
