#include "app/MainMenuViewController.h"

#include "model/AppState.h"
#include "model/Settings.h"

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
