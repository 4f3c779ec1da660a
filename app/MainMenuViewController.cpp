#include "app/MainMenuViewController.h"

#include "model/AppState.h"
#include "model/Settings.h"

MainMenuViewController::MainMenuViewController(QObject *parent)
    : QObject(parent),
      m_addSession(new Outlet(this, QStringLiteral("Add Session"))),
      m_defaultSettings(new Outlet(this, QStringLiteral("Settings")))
{
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

void MainMenuViewController::viewDidLoad() { applyDistanceDefault(); }

void MainMenuViewController::viewWillAppear() {}
