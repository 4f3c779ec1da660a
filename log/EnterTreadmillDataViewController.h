#pragma once

#include "log/SessionDateActions.h"
#include "platform/Outlet.h"

#include <QDateTime>
#include <QObject>
#include <QQmlEngine>

// Session entry: the date through a picker, calories and distance typed, fat calories and laps
// derived, and one new session stored on save.
class EnterTreadmillDataViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *datePicker READ datePicker CONSTANT)
    Q_PROPERTY(Outlet *textDate READ textDate CONSTANT)
    Q_PROPERTY(Outlet *textCalories READ textCalories CONSTANT)
    Q_PROPERTY(Outlet *textFatCalories READ textFatCalories CONSTANT)
    Q_PROPERTY(Outlet *textDistance READ textDistance CONSTANT)
    Q_PROPERTY(Outlet *textLaps READ textLaps CONSTANT)
    Q_PROPERTY(Outlet *DistanceLabel READ DistanceLabel CONSTANT)
    Q_PROPERTY(Outlet *btnSave READ btnSave CONSTANT)
    Q_PROPERTY(bool DarkMode READ DarkMode WRITE setDarkMode NOTIFY darkModeChanged)
public:
    explicit EnterTreadmillDataViewController(QObject *parent = nullptr);

    Outlet *datePicker() const { return m_datePicker; }
    Outlet *textDate() const { return m_textDate; }
    Outlet *textCalories() const { return m_textCalories; }
    Outlet *textFatCalories() const { return m_textFatCalories; }
    Outlet *textDistance() const { return m_textDistance; }
    Outlet *textLaps() const { return m_textLaps; }
    Outlet *DistanceLabel() const { return m_distanceLabel; }
    Outlet *btnSave() const { return m_btnSave; }
    bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    QDateTime SessionDate() const { return m_dates.moment(); }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void DateEntered();
    Q_INVOKABLE void doneClick();
    Q_INVOKABLE void todayClick();
    Q_INVOKABLE void dateValueChanged(const QDateTime &date);
    Q_INVOKABLE void CalculateFatCals();
    Q_INVOKABLE void calculateLaps();
    Q_INVOKABLE void btnSavedPressed();
    Q_INVOKABLE void dismissKeyboard();

signals:
    void darkModeChanged();

private:
    Outlet *m_datePicker;
    Outlet *m_textDate;
    Outlet *m_textCalories;
    Outlet *m_textFatCalories;
    Outlet *m_textDistance;
    Outlet *m_textLaps;
    Outlet *m_distanceLabel;
    Outlet *m_btnSave;
    bool m_darkMode = false;
    SessionDateActions m_dates;
};
