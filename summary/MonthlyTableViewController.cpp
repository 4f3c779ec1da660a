#include "summary/MonthlyTableViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/ReadFailureAlert.h"
#include "model/UserData.h"
#include "platform/Navigator.h"
#include "platform/NumberReading.h"
#include "summary/DistanceBars.h"
#include "summary/MonthlyTableViewCell.h"

#include <cmath>

const QStringList MonthlyTableViewController::MonthDisplay{
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};

MonthlyTableViewController::MonthlyTableViewController(QObject *parent)
    : QObject(parent), m_rows(new RowListModel(this)), m_bars(new RowListModel(this)) {}

void MonthlyTableViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

QString MonthlyTableViewController::titleForHeader() const {
    return QString::number(m_rows->count()) + QStringLiteral(" Months Logged in This Year");
}

QString MonthlyTableViewController::chartCaption() const {
    return AppState::instance()->isMiles() ? QStringLiteral("Miles") : QStringLiteral("km");
}

void MonthlyTableViewController::viewDidLoad() {
    m_selectedYear = AppState::instance()->AppSelectedYear();
    m_sums.fill(0);
    m_recordCount = 0;

    // Only the month and the distance are read: the sums need nothing else.
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("year == %@"), QString::number(m_selectedYear));
    request.sortBy(QStringLiteral("year"), true);
    request.sortBy(QStringLiteral("imonth"), true);
    request.setPropertiesToFetch({QStringLiteral("imonth"), QStringLiteral("distance")});
    QString error;
    const bool read = AppDelegate::shared()->persistentContainer().walk(
        request,
        [this](const Record &session) {
            ++m_recordCount;
            const QVariant month = session.value(QStringLiteral("imonth"));
            if (!month.isValid() || month.toLongLong() < 1 || month.toLongLong() > 12)
                return;
            // A distance that is not wholly a number is skipped rather than guessed at.
            const auto distance =
                NumberReading::wholeDouble(session.value(QStringLiteral("distance")).toString());
            if (distance && std::isfinite(*distance))
                m_sums[month.toLongLong() - 1] += *distance;
        },
        &error);
    if (!read)
        ReadFailureAlert::present(this, error);

    const bool miles = AppState::instance()->isMiles();
    QList<QVariantMap> rows;
    QList<DistanceBars::Bar> bars;
    for (int r = 0; r < MonthDisplay.size(); ++r) {
        const auto cell =
            MonthlyTableViewCell::forMonth(MonthDisplay.at(r), m_selectedYear, m_sums[r], miles);
        rows.append({{QStringLiteral("dateLabel"), cell.DateLabel},
                     {QStringLiteral("milesLabel"), cell.MilesLabel}});
        bars.append({MonthDisplay.at(r).left(3), m_sums[r], r});
    }
    m_rows->setRows(rows);
    m_bars->setRows(DistanceBars::rows(bars));
    emit reloaded();
}

void MonthlyTableViewController::selectRow(int row) {
    if (row < 0 || row >= MonthDisplay.size())
        return;
    AppState::instance()->setAppSelectedMonth(row + 1);
    Navigator::instance()->performSegue(QStringLiteral("showDaily"));
}
