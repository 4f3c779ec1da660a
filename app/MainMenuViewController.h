#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>

// The main menu: the hub every screen is opened from and returns to. Its first load does the
// start-up work.
class MainMenuViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *AddSessionButton READ AddSessionButton CONSTANT)
    Q_PROPERTY(Outlet *DefaultSettingsButton READ DefaultSettingsButton CONSTANT)
public:
    explicit MainMenuViewController(QObject *parent = nullptr);

    Outlet *AddSessionButton() const { return m_addSession; }
    Outlet *DefaultSettingsButton() const { return m_defaultSettings; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void viewWillAppear();

    // Start-up step: the current distance unit from "Distance", writing "Miles" when absent.
    static void applyDistanceDefault();

private:
    Outlet *m_addSession;
    Outlet *m_defaultSettings;
};
