#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>

// The settings screen: distance unit, date picker style, reloading the built-in places at the
// next start, and whether the main menu opens expanded.
class DefaultSettingsViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *MilesSwitch READ MilesSwitch CONSTANT)
    Q_PROPERTY(Outlet *KilometersSwitch READ KilometersSwitch CONSTANT)
    Q_PROPERTY(Outlet *LocationSwitch READ LocationSwitch CONSTANT)
    Q_PROPERTY(Outlet *DateWheelSwitch READ DateWheelSwitch CONSTANT)
    Q_PROPERTY(Outlet *DateInlineSwitch READ DateInlineSwitch CONSTANT)
    Q_PROPERTY(Outlet *DateCompactSwitch READ DateCompactSwitch CONSTANT)
    Q_PROPERTY(Outlet *MainMenuSwitch READ MainMenuSwitch CONSTANT)
    Q_PROPERTY(Outlet *SelectDPLabel READ SelectDPLabel CONSTANT)
    Q_PROPERTY(Outlet *UseDateWheelLabel READ UseDateWheelLabel CONSTANT)
    Q_PROPERTY(Outlet *UseInlineDateLabel READ UseInlineDateLabel CONSTANT)
    Q_PROPERTY(Outlet *UseCompactDateLabel READ UseCompactDateLabel CONSTANT)
public:
    explicit DefaultSettingsViewController(QObject *parent = nullptr);

    Outlet *MilesSwitch() const { return m_miles; }
    Outlet *KilometersSwitch() const { return m_kilometers; }
    Outlet *LocationSwitch() const { return m_location; }
    Outlet *DateWheelSwitch() const { return m_wheel; }
    Outlet *DateInlineSwitch() const { return m_inline; }
    Outlet *DateCompactSwitch() const { return m_compact; }
    Outlet *MainMenuSwitch() const { return m_mainMenu; }
    Outlet *SelectDPLabel() const { return m_selectLabel; }
    Outlet *UseDateWheelLabel() const { return m_wheelLabel; }
    Outlet *UseInlineDateLabel() const { return m_inlineLabel; }
    Outlet *UseCompactDateLabel() const { return m_compactLabel; }

    Q_INVOKABLE void viewDidLoad();
    // Each action runs after its switch has taken its new state.
    Q_INVOKABLE void MilesSwitchFlipped();
    Q_INVOKABLE void KilometersSwitchFilpped();
    Q_INVOKABLE void DateWheelSwitchFlipped();
    Q_INVOKABLE void DateInlineSwitchFlipped();
    Q_INVOKABLE void DateCompactSwitchFlipped();
    Q_INVOKABLE void LocationSwitchFlipped();
    Q_INVOKABLE void MainMenuSwitchFlipped();

private:
    void setUnit(const QString &unit);
    void chooseDateStyle(Outlet *chosen);
    void settingNotSaved();

    Outlet *m_miles;
    Outlet *m_kilometers;
    Outlet *m_location;
    Outlet *m_wheel;
    Outlet *m_inline;
    Outlet *m_compact;
    Outlet *m_mainMenu;
    Outlet *m_selectLabel;
    Outlet *m_wheelLabel;
    Outlet *m_inlineLabel;
    Outlet *m_compactLabel;
};
