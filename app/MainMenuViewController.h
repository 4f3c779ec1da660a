#pragma once

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/Outlet.h"

#include <QList>
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
    Q_PROPERTY(QString toggleTitle READ toggleTitle NOTIFY toggleTitleChanged)
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

    // The buttons that "Expanded" and the expand/collapse control show and hide. The everyday
    // entries stay on screen whatever the setting, so a fresh install can reach them.
    QList<Outlet *> MainMenuButton() const { return {m_rateShareButton}; }
    bool MenuExpanded() const { return m_menuExpanded; }
    // The expand/collapse control's caption: "More" while a button is hidden, else "Less".
    QString toggleTitle() const;

    // Start-up work, once per run: unit default, built-in places, expansion, session repair.
    Q_INVOKABLE void viewDidLoad();
    // Each time the menu is shown: the buttons follow "Expanded" again.
    Q_INVOKABLE void viewWillAppear();
    // Flips every button of MainMenuButton on its own; the setting stays as it is.
    Q_INVOKABLE void HandleSelection();

    // Start-up step: the current distance unit from "Distance", writing "Miles" when absent.
    static void applyDistanceDefault();
    // Start-up step: reseeds the built-in places on the first two starts and after the settings
    // screen asked for it ("FirstTime" absent or "true").
    static void applyFirstTime();
    // Start-up step: sessions stored by an import get treadDate and the fields derived from it,
    // built from their year text, imonth and iday.
    void repairSessions();

signals:
    void toggleTitleChanged();

private:
    static void saveRepairs(Context &context, QList<UserData> &repairs);

    bool m_menuExpanded = false;
    qsizetype m_userResultsCount = 0;

    Outlet *m_listButton;
    Outlet *m_addSessionButton;
    Outlet *m_totalsButton;
    Outlet *m_milesSummaryButton;
    Outlet *m_mapButton;
    Outlet *m_importExportButton;
    Outlet *m_defaultSettingsButton;
    Outlet *m_rateShareButton;
};
