#include "log/DetailViewController.h"

#include "log/SessionRules.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/RowsCommand.h"
#include "model/SaveFailureAlert.h"
#include "model/SessionIdentity.h"
#include "model/UndoService.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"

#include <QDebug>

DetailViewController::DetailViewController(QObject *parent)
    : QObject(parent), m_datePickerView(new Outlet(this)), m_dateTextField(new Outlet(this)),
      m_caloriesTextField(new Outlet(this)), m_fatCaloriesTextField(new Outlet(this)),
      m_distanceTextField(new Outlet(this)), m_lapsTextField(new Outlet(this)),
      m_distanceLabel(new Outlet(this)), m_saveButton(new Outlet(this, QStringLiteral("Save"))),
      m_dates(m_dateTextField, m_datePickerView, SessionDateActions::Opening::AtSessionDay,
              SessionDateActions::TodayText::MonthDayYear) {
    m_caloriesTextField->setEditFilter(SessionRules::acceptsEdit);
    m_distanceTextField->setEditFilter(SessionRules::acceptsEdit);
    m_fatCaloriesTextField->setEditFilter(Outlet::acceptsLineText);
    m_lapsTextField->setEditFilter(Outlet::acceptsLineText);
}

QVariant DetailViewController::detailItem() const {
    return m_detailItem.isValid() ? QVariant::fromValue<Record>(m_detailItem) : QVariant();
}

void DetailViewController::setDetailItem(const QVariant &item) {
    const Record record = item.canConvert<Record>() ? item.value<Record>() : Record();
    const bool session = record.isValid() && record.entityName() == QLatin1String("UserData");
    m_detailItem = UserData(session ? record : Record());
    emit detailItemChanged();
}

void DetailViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

void DetailViewController::viewDidLoad() {
    configureView();
    m_distanceLabel->setText(AppState::instance()->isMiles() ? QStringLiteral("Distance (Miles)")
                                                             : QStringLiteral("Distance (km)"));
    if (m_darkMode) {
        for (Outlet *field : {m_dateTextField, m_caloriesTextField, m_fatCaloriesTextField,
                              m_distanceTextField, m_lapsTextField}) {
            field->setBackgroundColor(Qt::white);
            field->setColor(Qt::black);
        }
    }
}

void DetailViewController::configureView() {
    if (!m_detailItem.isValid())
        return;
    m_key.date = m_detailItem.date();
    m_key.calories = m_detailItem.calories();
    m_key.distance = m_detailItem.distance();
    m_dateTextField->setText(m_key.date);
    m_dates.reset(m_detailItem.treadDate());
    m_caloriesTextField->setText(m_key.calories);
    m_fatCaloriesTextField->setText(SessionRules::fatCaloriesShown(m_detailItem.fatCalories()));
    m_distanceTextField->setText(m_key.distance);
    m_lapsTextField->setText(m_detailItem.laps());
}

// The field keeps the session's date until the person picks another; the picker opens on the
// session's day.
void DetailViewController::DateEntered() {
    m_dates.DateEntered();
}

void DetailViewController::doneClick() {
    m_dates.doneClick();
}

void DetailViewController::todayClick() {
    m_dates.todayClick();
}

void DetailViewController::dateValueChanged(const QDateTime &date) {
    m_dates.dateValueChanged(date);
}

void DetailViewController::CalculateFatCals() {
    if (auto fat = SessionRules::fatCalories(m_caloriesTextField->text()))
        m_fatCaloriesTextField->setText(*fat);
}

void DetailViewController::calculateLaps() {
    if (auto laps =
            SessionRules::laps(m_distanceTextField->text(), AppState::instance()->isMiles()))
        m_lapsTextField->setText(*laps);
}

void DetailViewController::dismissKeyboard() {
    m_dates.dismissKeyboard();
}

void DetailViewController::saveRecord() {
    if (!SessionRules::hasRequiredFields(m_dateTextField->text(), m_caloriesTextField->text(),
                                         m_distanceTextField->text())) {
        SessionRules::alertRequiredFields(this);
        return;
    }
    Context &context = AppDelegate::shared()->persistentContainer();
    const SessionIdentity::Match match =
        SessionIdentity(m_key.date, m_key.calories, m_key.distance).find(context, true);
    // Twins with the same three texts are left alone.
    if (match.isSole()) {
        UserData session(match.session);
        const QDateTime moment = m_dates.moment();
        if (m_dates.picked()) {
            // The stored date text follows the picked day, so the list, the export file and
            // the summaries agree on it.
            session.setTreadDate(moment);
            session.setDate(Formatting::mediumDate(moment));
        } else if (moment.isValid()) {
            session.setTreadDate(moment);
        }
        // The four texts are written as they stand.
        SessionRules::writeFigures(session, m_caloriesTextField->text(),
                                   m_fatCaloriesTextField->text(), m_distanceTextField->text(),
                                   m_lapsTextField->text());
        RowsCommand *undo = UndoService::shared()->aboutToChange(
            QStringLiteral("UserData"), {session.id()}, QStringLiteral("Session changed"));
        // The context drops a failed write or save; the person is told and taken back either
        // way.
        QString error;
        context.change(session);
        const bool saved = context.save(&error);
        if (!saved)
            SaveFailureAlert::present(this, error);
        UndoService::shared()->changed(undo, saved, UndoService::Offer::OnNextPage);
    }
    qInfo().noquote() << "Back button Clicked";
    Navigator::instance()->performSegue(QStringLiteral("unwindToMenu"));
}
