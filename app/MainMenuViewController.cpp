#include "app/MainMenuViewController.h"

#include "app/SegueRegistry.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/SessionIdentity.h"
#include "model/Settings.h"
#include "platform/Navigator.h"
#include "platform/NumberReading.h"
#include "route/LocationSeeder.h"

#include <QDebug>
#include <limits>
#include <optional>

namespace {

const QString ExpandedKey = QStringLiteral("Expanded");
constexpr qsizetype RepairsPerSave = 5000;

// A stored month or day as the 16-bit number the calendar is given; absent when out of range.
std::optional<int> asInt16(std::optional<qint64> value) {
    if (!value || *value < std::numeric_limits<qint16>::min() ||
        *value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(*value);
}

// The day of a year, month and day as the calendar reads them: a month or day beyond its range
// carries into the following month or year (month 2, day 30 is 1 or 2 March). Invalid when the
// year it lands in does not fit 16 bits.
QDate calendarDay(int year, int month, int day) {
    const QDate date = QDate(year, 1, 1).addMonths(month - 1).addDays(day - 1);
    if (!date.isValid() || date.year() < std::numeric_limits<qint16>::min() ||
        date.year() > std::numeric_limits<qint16>::max())
        return QDate();
    return date;
}

} // namespace

MainMenuViewController::MainMenuViewController(QObject *parent)
    : QObject(parent), m_listButton(new Outlet(this, QStringLiteral("Sessions"))),
      m_addSessionButton(new Outlet(this, QStringLiteral("Add Session"))),
      m_totalsButton(new Outlet(this, QStringLiteral("Totals"))),
      m_milesSummaryButton(new Outlet(this, QStringLiteral("Distance Summary"))),
      m_mapButton(new Outlet(this, QStringLiteral("Route Map"))),
      m_journeyButton(new Outlet(this, QStringLiteral("Journey"))),
      m_locationListButton(new Outlet(this, QStringLiteral("Route Places"))),
      m_importExportButton(new Outlet(this, QStringLiteral("Import / Export"))),
      m_defaultSettingsButton(new Outlet(this, QStringLiteral("Settings"))),
      m_rateShareButton(new Outlet(this, QStringLiteral("Rate & Share"))) {
    for (const Entry &entry : entries()) {
        if (!hasScreen(entry))
            outlet(entry.button)->setHidden(true);
    }
    // The collapsed set is what a menu shows until "Expanded" says otherwise.
    for (Outlet *button : MainMenuButton()) {
        button->setHidden(true);
        connect(button, &Outlet::hiddenChanged, this, &MainMenuViewController::toggleTitleChanged);
    }
}

const QList<MainMenuViewController::Entry> &MainMenuViewController::entries() {
    static const QList<Entry> table = {
        {"ListButton", "showList"},
        {"AddSessionButton", "showAddSession"},
        {"TotalsButton", "showTotals"},
        {"MilesSummaryButton", "showMilesSummary"},
        {"MapButton", "showMap"},
        {"JourneyButton", "showJourney"},
        {"LocationListButton", "showLocationList"},
        {"ImportExportButton", "showImportExport"},
        {"DefaultSettingsButton", "showSettings"},
        {"RateShareButton", "showRateShare"},
    };
    return table;
}

bool MainMenuViewController::isEveryday(const QString &button) {
    return button == QLatin1String("ListButton") || button == QLatin1String("AddSessionButton") ||
           button == QLatin1String("TotalsButton");
}

bool MainMenuViewController::hasScreen(const Entry &entry) {
    return !SegueRegistry::pageFor(QStringLiteral("MainMenuViewController"), entry.identifier)
                .isEmpty();
}

QStringList MainMenuViewController::entryNames() const {
    QStringList names;
    for (const Entry &entry : entries())
        names << entry.button;
    return names;
}

Outlet *MainMenuViewController::outlet(const QString &button) const {
    const QVariant value = property(button.toUtf8().constData());
    return value.value<Outlet *>();
}

QList<Outlet *> MainMenuViewController::MainMenuButton() const {
    QList<Outlet *> buttons;
    for (const Entry &entry : entries()) {
        if (!isEveryday(entry.button) && hasScreen(entry))
            buttons << outlet(entry.button);
    }
    return buttons;
}

void MainMenuViewController::openEntry(const QString &button) {
    for (const Entry &entry : entries()) {
        if (entry.button == button && hasScreen(entry))
            Navigator::instance()->performSegue(entry.identifier);
    }
}

QString MainMenuViewController::toggleTitle() const {
    for (const Outlet *button : MainMenuButton()) {
        if (button->hidden())
            return QStringLiteral("More");
    }
    return QStringLiteral("Less");
}

void MainMenuViewController::applyDistanceDefault() {
    Settings &settings = Settings::standard();
    const QString key = QStringLiteral("Distance");
    // A value that is not text (junk in the file) counts as absent, as on the settings screen.
    if (!settings.string(key).isNull()) {
        AppState::instance()->setDistanceUnit(settings.string(key));
    } else {
        settings.setString(key, QStringLiteral("Miles"));
        settings.synchronize();
        AppState::instance()->setDistanceUnit(QStringLiteral("Miles"));
    }
}

void MainMenuViewController::applyFirstTime() {
    Settings &settings = Settings::standard();
    const QString key = QStringLiteral("FirstTime");
    // A seeding the store refused leaves the flag as it was, so the next start seeds again.
    if (!settings.contains(key)) {
        if (LocationSeeder::seed())
            settings.setString(key, QStringLiteral("true"));
    } else if (settings.string(key) == QLatin1String("true")) {
        if (LocationSeeder::seed())
            settings.setString(key, QStringLiteral("false"));
    }
}

void MainMenuViewController::viewDidLoad() {
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

void MainMenuViewController::viewWillAppear() {
    m_menuExpanded = Settings::standard().boolForKey(ExpandedKey);
    AppState::instance()->setMenuExpanded(m_menuExpanded);
    for (Outlet *button : MainMenuButton())
        button->setHidden(!m_menuExpanded);
}

void MainMenuViewController::HandleSelection() {
    for (Outlet *button : MainMenuButton())
        button->setHidden(!button->hidden());
}

void MainMenuViewController::repairSessions() {
    Context &context = AppDelegate::shared()->persistentContainer();
    // Only sessions without treadDate can need a repair, and only the fields read here are
    // loaded, a group at a time: a large log is never held in memory.
    FetchRequest undated = UserData::fetchRequest();
    undated.where(QStringLiteral("treadDate == nil"));
    undated.setPropertiesToFetch({QStringLiteral("date"), QStringLiteral("calories"),
                                  QStringLiteral("distance"), QStringLiteral("year"),
                                  QStringLiteral("imonth"), QStringLiteral("iday")});
    // Many sessions share a day, and finding where a local day starts is the slow part of it.
    QHash<QDate, QDateTime> dayStarts;

    QString error;
    const bool read = context.fetchInBatches(
        undated, RepairsPerSave,
        [&](const QList<Record> &group) {
            QList<UserData> repairs;
            for (const Record &record : group) {
                UserData session(record);
                const std::optional<qint16> year = NumberReading::int16(session.year());
                const std::optional<int> month = asInt16(session.imonth());
                const std::optional<int> day = asInt16(session.iday());
                if (!year || !month || !day || session.date().isNull() ||
                    session.calories().isNull() || session.distance().isNull())
                    continue;
                const QDate date = calendarDay(*year, *month, *day);
                if (!date.isValid())
                    continue;
                // The session matches itself, so a sole match is the session in hand. A
                // repair never changes these three fields, so the matches do not depend on the
                // repairs before.
                const SessionIdentity::Match match =
                    SessionIdentity(session.date(), session.calories(), session.distance())
                        .find(context);
                m_userResultsCount = match.error.isEmpty() ? match.count : -1;
                if (!match.isSole())
                    continue;
                auto start = dayStarts.constFind(date);
                if (start == dayStarts.constEnd())
                    start = dayStarts.insert(date, date.startOfDay());
                if (!start->isValid())
                    continue;
                session.setTreadDate(*start);
                repairs.append(session);
            }
            saveRepairs(context, repairs);
        },
        &error);
    if (!read)
        qDebug().noquote() << error;
}

void MainMenuViewController::saveRepairs(Context &context, QList<UserData> &repairs) {
    // A group is saved at once: a commit per session costs more than the whole repair of it.
    // A group that fails (a failed write drops the group) is done again one session and one
    // save at a time, so only the sessions whose own save fails stay for the next start.
    // save() reports a refused write of the group, and always leaves the context clean.
    for (UserData &session : repairs) {
        if (!context.change(session))
            break;
    }
    if (context.save())
        return;
    for (UserData &session : repairs) {
        UserData again = session;
        again.setTreadDate(session.treadDate());
        context.change(again);
        context.save();
    }
}
