#include "summary/DailyTableViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/ReadFailureAlert.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"

DailyTableViewController::DailyTableViewController(QObject *parent)
    : QObject(parent), m_rows(new RowListModel(this)) {}

void DailyTableViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

QString DailyTableViewController::titleForHeader() const {
    return QString::number(m_rows->count()) + QStringLiteral(" Days Logged in this Month");
}

QString DailyTableViewController::detailText(const UserData &session, bool miles) {
    const auto fat = NumberReading::wholeFloat(session.fatCalories());
    return QStringLiteral("Cals: ") + session.calories() + QStringLiteral("  Fat Cals: ") +
           (fat ? Formatting::fixed2(*fat) : session.fatCalories()) +
           (miles ? QStringLiteral("  Miles: ") : QStringLiteral("  km: ")) + session.distance() +
           QStringLiteral("  Laps: ") + session.laps();
}

void DailyTableViewController::viewDidLoad() {
    const AppState *state = AppState::instance();
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("year == %@"), QString::number(state->AppSelectedYear()));
    request.where(QStringLiteral("imonth == %@"), QString::number(state->AppSelectedMonth()));
    request.sortBy(QStringLiteral("year"), false);
    request.sortBy(QStringLiteral("imonth"), false);
    const bool miles = state->isMiles();
    QList<QVariantMap> rows;
    QString error;
    const bool read = AppDelegate::shared()->persistentContainer().walk(
        request,
        [&](const Record &record) {
            const UserData session(record);
            rows.append({{QStringLiteral("textLabel"), session.date()},
                         {QStringLiteral("detailTextLabel"), detailText(session, miles)}});
        },
        &error);
    if (!read)
        ReadFailureAlert::present(this, error);
    m_recordCount = rows.size();
    m_rows->setRows(rows);
    emit reloaded();
}
