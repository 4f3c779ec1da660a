#include "log/EnterTreadmillDataViewController.h"

#include "log/SessionRules.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/DatePickerStyle.h"
#include "model/SaveFailureAlert.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"

#include <QDebug>

EnterTreadmillDataViewController::EnterTreadmillDataViewController(QObject *parent)
    : QObject(parent), m_datePicker(new Outlet(this)), m_textDate(new Outlet(this)),
      m_textCalories(new Outlet(this)), m_textFatCalories(new Outlet(this)),
      m_textDistance(new Outlet(this)), m_textLaps(new Outlet(this)),
      m_distanceLabel(new Outlet(this)), m_btnSave(new Outlet(this, QStringLiteral("Save"))),
      m_dates(m_textDate, m_datePicker, SessionDateActions::Opening::AtToday,
              SessionDateActions::TodayText::MediumDate) {
    m_textCalories->setEditFilter(SessionRules::acceptsEdit);
    m_textDistance->setEditFilter(SessionRules::acceptsEdit);
    m_textFatCalories->setEditFilter(Outlet::acceptsLineText);
    m_textLaps->setEditFilter(Outlet::acceptsLineText);
}

void EnterTreadmillDataViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

void EnterTreadmillDataViewController::viewDidLoad() {
    m_textDate->setText(QString());
    m_dates.reset(QDateTime());
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

// Every time the field is entered the picker starts again at today.
void EnterTreadmillDataViewController::DateEntered() {
    m_dates.DateEntered();
}

void EnterTreadmillDataViewController::doneClick() {
    m_dates.doneClick();
}

void EnterTreadmillDataViewController::todayClick() {
    m_dates.todayClick();
}

void EnterTreadmillDataViewController::dateValueChanged(const QDateTime &date) {
    m_dates.dateValueChanged(date);
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
    m_dates.dismissKeyboard();
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
    const QDateTime moment = m_dates.moment();
    session.setTreadDate(moment.isValid() ? moment : QDateTime::currentDateTime());
    SessionRules::writeFigures(session, m_textCalories->text(), m_textFatCalories->text(),
                               m_textDistance->text(), m_textLaps->text());
    session.setDate(m_textDate->text());
    context.insert(session);
    QString error;
    if (!context.save(&error)) {
        qWarning().noquote() << error;
        SaveFailureAlert::present(this, error);
    }

    for (Outlet *field :
         {m_textDate, m_textCalories, m_textFatCalories, m_textDistance, m_textLaps})
        field->setText(QString());
    Navigator::instance()->performSegue(QStringLiteral("unwindToMenu"));
}
