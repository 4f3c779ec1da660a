#include "summary/YearlyTableViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/ReadFailureAlert.h"
#include "model/UserData.h"
#include "platform/Navigator.h"
#include "platform/NumberReading.h"
#include "summary/DistanceBars.h"
#include "summary/YearlyTableViewCell.h"

#include <algorithm>

namespace {

// One run of consecutive sessions with the same year, as the walk finds it.
struct YearGroup {
    qint16 year = 0;
    double total = 0;
    qint16 imonth = 0;
};

qint16 monthOf(const Record &session) {
    const QVariant month = session.value(QStringLiteral("imonth"));
    if (!month.isValid())
        return 0;
    const qint64 value = month.toLongLong();
    // A month that does not fit the per-year record's field is kept as no month.
    return value >= -32768 && value <= 32767 ? qint16(value) : qint16(0);
}

// Walks the sessions in the screen's order reading only year, month and distance, and cuts
// them into runs of one year. The month of a run is that of the session closing it: the first
// session of the next run, or the run's own last session at the end.
std::optional<QList<YearGroup>> walkYears(Context &context, bool ascending, QString *error) {
    FetchRequest request = UserData::fetchRequest();
    request.sortBy(QStringLiteral("year"), ascending);
    request.sortBy(QStringLiteral("imonth"), ascending);
    request.setPropertiesToFetch(
        {QStringLiteral("year"), QStringLiteral("imonth"), QStringLiteral("distance")});
    QList<YearGroup> groups;
    qint16 lastMonth = 0;
    const bool ok = context.walk(
        request,
        [&](const Record &session) {
            const qint16 year =
                NumberReading::int16(session.value(QStringLiteral("year")).toString()).value_or(0);
            const qint16 month = monthOf(session);
            if (groups.isEmpty() || groups.last().year != year) {
                if (!groups.isEmpty())
                    groups.last().imonth = month;
                groups.append({year, 0, 0});
            }
            groups.last().total +=
                NumberReading::leadingNumber(session.value(QStringLiteral("distance")).toString());
            lastMonth = month;
        },
        error);
    if (!ok)
        return std::nullopt;
    if (!groups.isEmpty())
        groups.last().imonth = lastMonth;
    return groups;
}

} // namespace

YearlyTableViewController::YearlyTableViewController(QObject *parent)
    : QObject(parent), m_rows(new RowListModel(this)), m_bars(new RowListModel(this)) {}

void YearlyTableViewController::setDarkMode(bool dark) {
    if (dark == m_darkMode)
        return;
    m_darkMode = dark;
    emit darkModeChanged();
}

QString YearlyTableViewController::titleForHeader() const {
    return QString::number(m_rows->count()) + QStringLiteral(" Years Logged So Far");
}

QString YearlyTableViewController::chartCaption() const {
    return AppState::instance()->isMiles() ? QStringLiteral("Miles") : QStringLiteral("km");
}

void YearlyTableViewController::viewDidLoad() {
    m_sortAsc = false;
    rebuild();
}

void YearlyTableViewController::SortButtonTapped() {
    m_sortAsc = !m_sortAsc.value_or(false);
    rebuild();
}

void YearlyTableViewController::rebuild() {
    Context &context = AppDelegate::shared()->persistentContainer();
    const bool ascending = m_sortAsc.value_or(true);
    QString error;
    const int count = context.count(UserData::fetchRequest(), &error);
    m_recordCount = std::max(count, 0);
    const auto groups = count > 0 ? walkYears(context, ascending, &error) : std::nullopt;
    if (count < 0 || (count > 0 && !groups))
        ReadFailureAlert::present(this, error);
    // No sessions (or a failed read): the stored records and the table stay as they are.
    if (!groups || groups->isEmpty()) {
        emit reloaded();
        return;
    }

    FetchRequest old = YearlyData::fetchRequest();
    old.setIncludesPropertyValues(false);
    for (const Record &record : context.fetch(old)) {
        QString error;
        context.remove(record);
        if (!context.save(&error))
            AppDelegate::unresolvedError(error, QStringLiteral("{entity = YearlyData}"));
    }

    m_yearArray.clear();
    for (const YearGroup &group : *groups) {
        YearlyData record;
        record.setYear(group.year);
        record.setSumMiles(float(group.total));
        record.setImonth(group.imonth);
        // A year whose record cannot be saved is left out of the table.
        context.insert(record);
        if (context.save())
            m_yearArray.append(record);
    }
    std::stable_sort(m_yearArray.begin(), m_yearArray.end(),
                     [ascending](const YearlyData &a, const YearlyData &b) {
                         return ascending ? a.year() < b.year() : a.year() > b.year();
                     });
    reloadData();
}

void YearlyTableViewController::reloadData() {
    const bool miles = AppState::instance()->isMiles();
    QList<QVariantMap> rows;
    QList<DistanceBars::Bar> bars(m_yearArray.size());
    for (int r = 0; r < m_yearArray.size(); ++r) {
        const YearlyData &record = m_yearArray.at(r);
        rows.append({{QStringLiteral("dateLabel"), YearlyTableViewCell::DateLabel(record, miles)},
                     {QStringLiteral("year"), int(record.year())},
                     {QStringLiteral("imonth"), int(record.imonth())}});
        // The chart reads oldest to newest whichever way the table is sorted.
        const int slot = m_sortAsc.value_or(true) ? r : int(m_yearArray.size()) - 1 - r;
        bars[slot] = {QString::number(record.year()), double(record.sumMiles()), r};
    }
    m_rows->setRows(rows);
    m_bars->setRows(DistanceBars::rows(bars));
    emit reloaded();
}

void YearlyTableViewController::selectRow(int row) {
    if (row < 0 || row >= m_yearArray.size())
        return;
    AppState::instance()->setAppSelectedYear(m_yearArray.at(row).year());
    AppState::instance()->setAppSelectedMonth(m_yearArray.at(row).imonth());
    Navigator::instance()->performSegue(QStringLiteral("showMonthly"));
}
