#include "model/AppState.h"

AppState *AppState::instance() {
    static AppState *state = new AppState;
    return state;
}

AppState *AppState::create(QQmlEngine *, QJSEngine *) {
    AppState *state = instance();
    QJSEngine::setObjectOwnership(state, QJSEngine::CppOwnership);
    return state;
}

void AppState::setDistanceUnit(const QString &unit) {
    if (unit == m_distanceUnit)
        return;
    m_distanceUnit = unit;
    emit distanceUnitChanged();
}

void AppState::setMenuExpanded(bool expanded) {
    if (expanded == m_menuExpanded)
        return;
    m_menuExpanded = expanded;
    emit menuExpandedChanged();
}

void AppState::setAppSelectedYear(int year) {
    m_selectedYear = year;
    emit selectionChanged();
}

void AppState::setAppSelectedMonth(int month) {
    m_selectedMonth = month;
    emit selectionChanged();
}

void AppState::reset() {
    setDistanceUnit(QStringLiteral("Miles"));
    setMenuExpanded(false);
    setAppSelectedYear(0);
    setAppSelectedMonth(0);
}
