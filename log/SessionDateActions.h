#pragma once

#include <QDateTime>

class Outlet;

// The date field and its picker on the session entry and edit screens: entering the field opens
// the picker, turning it or "Done" takes its date, "Today" takes now. The screens differ only in
// where the picker opens and how "Today" is written.
class SessionDateActions {
public:
    enum class Opening {
        AtToday,     // entry: the picker and the field restart at today
        AtSessionDay // edit: the picker opens on the session's day, the field keeps its text
    };
    enum class TodayText { MediumDate, MonthDayYear };

    SessionDateActions(Outlet *field, Outlet *picker, Opening opening, TodayText todayText);

    // The session's moment before anything is picked (invalid for a new session).
    void reset(const QDateTime &moment);
    QDateTime moment() const { return m_moment; }
    // Whether the person took a date from the picker or "Today" since reset().
    bool picked() const { return m_picked; }

    // A tap on the field. While the picker is already open the picked date stays.
    void DateEntered();
    void doneClick();
    void todayClick();
    void dateValueChanged(const QDateTime &date);
    void dismissKeyboard();

private:
    void take(const QDateTime &moment, const QString &shown);

    Outlet *m_field;
    Outlet *m_picker;
    Opening m_opening;
    TodayText m_todayText;
    QDateTime m_moment;
    bool m_picked = false;
};
