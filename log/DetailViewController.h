#pragma once

#include "log/SessionDateActions.h"
#include "model/UserData.h"
#include "platform/Outlet.h"

#include <QDateTime>
#include <QObject>
#include <QQmlEngine>
#include <QVariant>

// Session edit: one session from the list in the entry screen's five fields, written back on
// save to the session found again by the date, calories and distance it had when it opened.
class DetailViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariant detailItem READ detailItem WRITE setDetailItem NOTIFY detailItemChanged)
    Q_PROPERTY(Outlet *datePickerView READ datePickerView CONSTANT)
    Q_PROPERTY(Outlet *dateTextField READ dateTextField CONSTANT)
    Q_PROPERTY(Outlet *caloriesTextField READ caloriesTextField CONSTANT)
    Q_PROPERTY(Outlet *fatCaloriesTextField READ fatCaloriesTextField CONSTANT)
    Q_PROPERTY(Outlet *distanceTextField READ distanceTextField CONSTANT)
    Q_PROPERTY(Outlet *lapsTextField READ lapsTextField CONSTANT)
    Q_PROPERTY(Outlet *DistanceLabel READ DistanceLabel CONSTANT)
    Q_PROPERTY(Outlet *saveButton READ saveButton CONSTANT)
    Q_PROPERTY(bool DarkMode READ DarkMode WRITE setDarkMode NOTIFY darkModeChanged)
public:
    explicit DetailViewController(QObject *parent = nullptr);

    // The session handed over by the list (a Record); anything else means none.
    QVariant detailItem() const;
    void setDetailItem(const QVariant &item);

    Outlet *datePickerView() const { return m_datePickerView; }
    Outlet *dateTextField() const { return m_dateTextField; }
    Outlet *caloriesTextField() const { return m_caloriesTextField; }
    Outlet *fatCaloriesTextField() const { return m_fatCaloriesTextField; }
    Outlet *distanceTextField() const { return m_distanceTextField; }
    Outlet *lapsTextField() const { return m_lapsTextField; }
    Outlet *DistanceLabel() const { return m_distanceLabel; }
    Outlet *saveButton() const { return m_saveButton; }
    bool DarkMode() const { return m_darkMode; }
    void setDarkMode(bool dark);
    QDateTime treadDate() const { return m_dates.moment(); }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void DateEntered();
    Q_INVOKABLE void doneClick();
    Q_INVOKABLE void todayClick();
    Q_INVOKABLE void dateValueChanged(const QDateTime &date);
    Q_INVOKABLE void CalculateFatCals();
    Q_INVOKABLE void calculateLaps();
    Q_INVOKABLE void saveRecord();
    Q_INVOKABLE void dismissKeyboard();

signals:
    void detailItemChanged();
    void darkModeChanged();

private:
    void configureView();

    Outlet *m_datePickerView;
    Outlet *m_dateTextField;
    Outlet *m_caloriesTextField;
    Outlet *m_fatCaloriesTextField;
    Outlet *m_distanceTextField;
    Outlet *m_lapsTextField;
    Outlet *m_distanceLabel;
    Outlet *m_saveButton;
    bool m_darkMode = false;

    UserData m_detailItem{Record()};
    SessionDateActions m_dates;
    // The session's identity as it was when the fields were filled.
    struct {
        QString date;
        QString calories;
        QString distance;
    } m_key;
};
