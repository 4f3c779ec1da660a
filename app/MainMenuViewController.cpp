#include "app/MainMenuViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/Settings.h"
#include "platform/NumberReading.h"
#include "route/LocationSeeder.h"

#include <QDebug>
#include <limits>
#include <optional>

namespace {

const QString ExpandedKey = QStringLiteral("Expanded");

// A stored month or day as the 16-bit number the calendar is given; absent when out of range.
std::optional<int> asInt16(std::optional<qint64> value)
{
    if (!value || *value < std::numeric_limits<qint16>::min() ||
        *value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(*value);
}

// 00:00 local time of the day, with a month or day beyond its range carried into the following
// month or year (month 2, day 30 is 1 or 2 March) the way the calendar does.
QDateTime startOfDay(int year, int month, int day)
{
    const QDate date = QDate(year, 1, 1).addMonths(month - 1).addDays(day - 1);
    if (!date.isValid() || date.year() < std::numeric_limits<qint16>::min() ||
        date.year() > std::numeric_limits<qint16>::max())
        return QDateTime();
    return date.startOfDay();
}

} // namespace

MainMenuViewController::MainMenuViewController(QObject *parent)
    : QObject(parent),
      m_listButton(new Outlet(this, QStringLiteral("Sessions"))),
      m_addSessionButton(new Outlet(this, QStringLiteral("Add Session"))),
      m_totalsButton(new Outlet(this, QStringLiteral("Totals"))),
      m_milesSummaryButton(new Outlet(this, QStringLiteral("Distance Summary"))),
      m_mapButton(new Outlet(this, QStringLiteral("Route Map"))),
      m_importExportButton(new Outlet(this, QStringLiteral("Import / Export"))),
      m_defaultSettingsButton(new Outlet(this, QStringLiteral("Settings"))),
      m_rateShareButton(new Outlet(this, QStringLiteral("Rate & Share")))
{
    // The collapsed set is what a menu shows until "Expanded" says otherwise.
    for (Outlet *button : MainMenuButton()) {
        button->setHidden(true);
        connect(button, &Outlet::hiddenChanged, this, &MainMenuViewController::toggleTitleChanged);
    }
}

QString MainMenuViewController::toggleTitle() const
{
    for (const Outlet *button : MainMenuButton()) {
        if (button->hidden())
            return QStringLiteral("More");
    }
    return QStringLiteral("Less");
}

void MainMenuViewController::applyDistanceDefault()
{
    Settings &settings = Settings::standard();
    const QString key = QStringLiteral("Distance");
    if (settings.contains(key)) {
        AppState::instance()->setDistanceUnit(settings.string(key));
    } else {
        settings.setString(key, QStringLiteral("Miles"));
        settings.synchronize();
        AppState::instance()->setDistanceUnit(QStringLiteral("Miles"));
    }
}

void MainMenuViewController::applyFirstTime()
{
    Settings &settings = Settings::standard();
    const QString key = QStringLiteral("FirstTime");
    if (!settings.contains(key)) {
        LocationSeeder::seed();
        settings.setString(key, QStringLiteral("true"));
    } else if (settings.string(key) == QLatin1String("true")) {
        LocationSeeder::seed();
        settings.setString(key, QStringLiteral("false"));
    }
}

void MainMenuViewController::viewDidLoad()
{
    applyDistanceDefault();
    applyFirstTime();

    Settings &settings = Settings::standard();
    if (settings.contains(ExpandedKey)) {
        m_menuExpanded = settings.boolForKey(ExpandedKey);
        AppState::instance()->setMenuExpanded(m_menuExpanded);
    }
    // The buttons' rounded black border is the shared look of PaceButton.
    if (m_menuExpanded) {
        for (Outlet *button : MainMenuButton())
            button->setHidden(false);
    }

    repairSessions();
}

void MainMenuViewController::viewWillAppear()
{
    m_menuExpanded = Settings::standard().boolForKey(ExpandedKey);
    AppState::instance()->setMenuExpanded(m_menuExpanded);
    for (Outlet *button : MainMenuButton())
        button->setHidden(!m_menuExpanded);
}

void MainMenuViewController::HandleSelection()
{
    for (Outlet *button : MainMenuButton())
        button->setHidden(!button->hidden());
}

void MainMenuViewController::repairSessions()
{
    Context &context = AppDelegate::shared()->persistentContainer();
    m_dailyList.clear();
    QString error;
    m_dailyList = context.fetchAs<UserData>(UserData::fetchRequest(), &error);
    if (!error.isEmpty())
        qDebug().noquote() << error;

    for (const UserData &session : std::as_const(m_dailyList)) {
        // A session that has its treadDate is never changed, so it needs no lookup.
        if (session.treadDate().isValid())
            continue;
        const std::optional<qint16> year = NumberReading::int16(session.year());
        const std::optional<int> month = asInt16(session.imonth());
        const std::optional<int> day = asInt16(session.iday());
        if (!year || !month || !day || session.date().isNull() || session.calories().isNull() ||
            session.distance().isNull())
            continue;

        FetchRequest request = UserData::fetchRequest();
        request.where(QStringLiteral("date == %@"), session.date())
            .where(QStringLiteral("calories == %@"), session.calories())
            .where(QStringLiteral("distance == %@"), session.distance());
        m_userResults = context.fetchAs<UserData>(request);
        m_userResultsCount = m_userResults.size();
        if (m_userResultsCount != 1 || m_userResults.first().treadDate().isValid())
            continue;

        const QDateTime moment = startOfDay(*year, *month, *day);
        if (!moment.isValid())
            continue;
        UserData &match = m_userResults.first();
        match.setTreadDate(moment);
        context.change(match);
        context.save(); // a session that cannot be saved stays as it was until the next start
    }
    // Kept only while the repair runs; a large log would otherwise stay in memory all run.
    m_dailyList.clear();
    m_userResults.clear();
}
