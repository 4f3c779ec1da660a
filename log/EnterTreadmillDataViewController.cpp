#include "log/EnterTreadmillDataViewController.h"

#include "log/SessionRules.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/DatePickerStyle.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"

#include <QDebug>

EnterTreadmillDataViewController::EnterTreadmillDataViewController(QObject *parent)
    : QObject(parent), m_datePicker(new Outlet(this)), m_textDate(new Outlet(this)),
      m_textCalories(new Outlet(this)), m_textFatCalories(new Outlet(this)),
      m_textDistance(new Outlet(this)), m_textLaps(new Outlet(this)),
      m_distanceLabel(new Outlet(this)), m_btnSave(new Outlet(this, QStringLiteral("Save"))) {
    m_datePicker->setHidden(true);
    m_datePicker->setDate(QDateTime::currentDateTime());
    m_textCalories->setEditFilter(SessionRules::acceptsEdit);
    m_textDistance->setEditFilter(SessionRules::acceptsEdit);
}

void EnterTreadmillDataViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

void EnterTreadmillDataViewController::viewDidLoad() {
    m_textDate->setText(QString());
    m_datePicker->setHidden(true);
    m_distanceLabel->setText(AppState::instance()->isMiles() ? QStringLiteral("Distance (Miles)")
                                                             : QStringLiteral("Distance (km)"));
    // Fields look the same in both appearances.
    for (Outlet *field :
         {m_textDate, m_textCalories, m_textFatCalories, m_textDistance, m_textLaps}) {
        if (m_darkMode) {
            field->setBackgroundColor(Qt::white);
            field->setColor(Qt::black);
        }
    }
}

void EnterTreadmillDataViewController::showDate(const QDateTime &moment) {
    m_textDate->setText(Formatting::mediumDate(moment));
}

void EnterTreadmillDataViewController::DateEntered() {
    // Every time the field is entered the picker starts again at today.
    m_datePicker->setStyle(DatePickerStyle::fromSettings());
    const QDateTime now = QDateTime::currentDateTime();
    m_datePicker->setDate(now);
    m_sessionDate = now;
    showDate(now);
    m_datePicker->setHidden(false);
}

void EnterTreadmillDataViewController::doneClick() {
    showDate(m_datePicker->date());
    m_sessionDate = m_datePicker->date();
    dismissKeyboard();
}

void EnterTreadmillDataViewController::todayClick() {
    const QDateTime now = QDateTime::currentDateTime();
    showDate(now);
    m_sessionDate = now;
    dismissKeyboard();
}

void EnterTreadmillDataViewController::dateValueChanged(const QDateTime &date) {
    m_datePicker->setDate(date);
    showDate(date);
    m_sessionDate = date;
}

void EnterTreadmillDataViewController::CalculateFatCals() {
    if (auto fat = SessionRules::fatCalories(m_textCalories->text()))
        m_textFatCalories->setText(*fat);
}

void EnterTreadmillDataViewController::calculateLaps() {
    if (auto laps = SessionRules::laps(m_textDistance->text(), AppState::instance()->isMiles()))
        m_textLaps->setText(*laps);
}

void EnterTreadmillDataViewController::dismissKeyboard() {
    m_datePicker->setHidden(true);
}

void EnterTreadmillDataViewController::btnSavedPressed() {
    if (!SessionRules::hasRequiredFields(m_textDate->text(), m_textCalories->text(),
                                         m_textDistance->text())) {
        SessionRules::alertRequiredFields(this);
        return;
    }
    Context &context = AppDelegate::shared()->persistentContainer();
    UserData session;
    // A date typed in without the picker cannot happen (the field only takes the picker's
    // date), but keep the record consistent if it ever does.
    session.setTreadDate(m_sessionDate.isValid() ? m_sessionDate : QDateTime::currentDateTime());
    session.setCalories(m_textCalories->text());
    session.setFatCalories(m_textFatCalories->text());
    session.setDistance(m_textDistance->text());
    session.setLaps(m_textLaps->text());
    session.setDate(m_textDate->text());
    QString error;
    if (!context.insert(session) || !context.save(&error))
        qWarning().noquote() << (error.isEmpty() ? context.lastError() : error);

    for (Outlet *field :
         {m_textDate, m_textCalories, m_textFatCalories, m_textDistance, m_textLaps})
        field->setText(QString());
    Navigator::instance()->performSegue(QStringLiteral("unwindToMenu"));
}
