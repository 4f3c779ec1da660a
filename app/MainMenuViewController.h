#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>

// The main menu: the hub every screen is opened from and returns to. Its first load does the
// start-up work.
class MainMenuViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *ListButton READ ListButton CONSTANT)
    Q_PROPERTY(Outlet *AddSessionButton READ AddSessionButton CONSTANT)
    Q_PROPERTY(Outlet *TotalsButton READ TotalsButton CONSTANT)
    Q_PROPERTY(Outlet *MilesSummaryButton READ MilesSummaryButton CONSTANT)
    Q_PROPERTY(Outlet *MapButton READ MapButton CONSTANT)
    Q_PROPERTY(Outlet *ImportExportButton READ ImportExportButton CONSTANT)
    Q_PROPERTY(Outlet *DefaultSettingsButton READ DefaultSettingsButton CONSTANT)
    Q_PROPERTY(Outlet *RateShareButton READ RateShareButton CONSTANT)
public:
    explicit MainMenuViewController(QObject *parent = nullptr);

    Outlet *ListButton() const { return m_listButton; }
    Outlet *AddSessionButton() const { return m_addSessionButton; }
    Outlet *TotalsButton() const { return m_totalsButton; }
    Outlet *MilesSummaryButton() const { return m_milesSummaryButton; }
    Outlet *MapButton() const { return m_mapButton; }
    Outlet *ImportExportButton() const { return m_importExportButton; }
    Outlet *DefaultSettingsButton() const { return m_defaultSettingsButton; }
    Outlet *RateShareButton() const { return m_rateShareButton; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void viewWillAppear();

    // Start-up step: the current distance unit from "Distance", writing "Miles" when absent.
    static void applyDistanceDefault();

private:
    Outlet *m_listButton;
    Outlet *m_addSessionButton;
    Outlet *m_totalsButton;
    Outlet *m_milesSummaryButton;
    Outlet *m_mapButton;
    Outlet *m_importExportButton;
    Outlet *m_defaultSettingsButton;
    Outlet *m_rateShareButton;
};
