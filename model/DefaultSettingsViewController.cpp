#include "model/DefaultSettingsViewController.h"

#include "model/AppState.h"
#include "model/SaveFailureAlert.h"
#include "model/Settings.h"

namespace {
const QString DistanceKey = QStringLiteral("Distance");
const QString Miles = QStringLiteral("Miles");
const QString Kilometers = QStringLiteral("Kilometers");
} // namespace

DefaultSettingsViewController::DefaultSettingsViewController(QObject *parent)
    : QObject(parent), m_miles(new Outlet(this)), m_kilometers(new Outlet(this)),
      m_location(new Outlet(this)), m_wheel(new Outlet(this)), m_inline(new Outlet(this)),
      m_compact(new Outlet(this)), m_mainMenu(new Outlet(this)),
      m_selectLabel(new Outlet(this, QStringLiteral("Select Date Picker Style"))),
      m_wheelLabel(new Outlet(this, QStringLiteral("Use Date Wheel"))),
      m_inlineLabel(new Outlet(this, QStringLiteral("Use Inline Date (Calendar)"))),
      m_compactLabel(new Outlet(this, QStringLiteral("Use Compact Date"))) {}

void DefaultSettingsViewController::viewDidLoad() {
    Settings &settings = Settings::standard();
    AppState *state = AppState::instance();
    const QString stored = settings.string(DistanceKey);
    state->setDistanceUnit(stored.isNull() ? Miles : stored);
    m_miles->setChecked(state->isMiles());
    m_kilometers->setChecked(!state->isMiles());
    m_wheel->setChecked(settings.boolForKey(QStringLiteral("UseDateWheel")));
    m_inline->setChecked(settings.boolForKey(QStringLiteral("UseDateInline")));
    m_compact->setChecked(settings.boolForKey(QStringLiteral("UseDateCompact")));
    m_mainMenu->setChecked(state->menuExpanded());
}

void DefaultSettingsViewController::setUnit(const QString &unit) {
    AppState::instance()->setDistanceUnit(unit);
    if (!Settings::standard().setString(DistanceKey, unit))
        settingNotSaved();
}

// The switch keeps its new position for this run; the person learns it will not last.
void DefaultSettingsViewController::settingNotSaved() {
    SaveFailureAlert::present(this, QStringLiteral("the settings file %1 cannot be written")
                                        .arg(Settings::standard().filePath()));
}

void DefaultSettingsViewController::MilesSwitchFlipped() {
    const bool miles = m_miles->checked();
    m_kilometers->setChecked(!miles);
    setUnit(miles ? Miles : Kilometers);
}

void DefaultSettingsViewController::KilometersSwitchFilpped() {
    const bool kilometres = m_kilometers->checked();
    m_miles->setChecked(!kilometres);
    setUnit(kilometres ? Kilometers : Miles);
}

void DefaultSettingsViewController::chooseDateStyle(Outlet *chosen) {
    // Switching a style off stores nothing; switching one on makes it the only one.
    if (!chosen->checked())
        return;
    Settings &settings = Settings::standard();
    const std::pair<Outlet *, QString> styles[] = {
        {m_wheel, QStringLiteral("UseDateWheel")},
        {m_inline, QStringLiteral("UseDateInline")},
        {m_compact, QStringLiteral("UseDateCompact")},
    };
    bool saved = true;
    for (const auto &[outlet, key] : styles) {
        outlet->setChecked(outlet == chosen);
        saved = settings.setBool(key, outlet == chosen) && saved;
    }
    if (!saved)
        settingNotSaved();
}

void DefaultSettingsViewController::DateWheelSwitchFlipped() {
    chooseDateStyle(m_wheel);
}

void DefaultSettingsViewController::DateInlineSwitchFlipped() {
    chooseDateStyle(m_inline);
}

void DefaultSettingsViewController::DateCompactSwitchFlipped() {
    chooseDateStyle(m_compact);
}

void DefaultSettingsViewController::LocationSwitchFlipped() {
    if (!Settings::standard().setString(QStringLiteral("FirstTime"), m_location->checked()
                                                                         ? QStringLiteral("true")
                                                                         : QStringLiteral("false")))
        settingNotSaved();
}

void DefaultSettingsViewController::MainMenuSwitchFlipped() {
    if (!Settings::standard().setString(QStringLiteral("Expanded"), m_mainMenu->checked()
                                                                        ? QStringLiteral("true")
                                                                        : QStringLiteral("false")))
        settingNotSaved();
}
