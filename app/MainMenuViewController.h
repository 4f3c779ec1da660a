#pragma once

#include "model/Context.h"
#include "model/UserData.h"
#include "platform/Outlet.h"

#include <QList>
#include <QObject>
#include <QQmlEngine>
#include <QStringList>

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
    Q_PROPERTY(Outlet *JourneyButton READ JourneyButton CONSTANT)
    Q_PROPERTY(Outlet *LocationListButton READ LocationListButton CONSTANT)
    Q_PROPERTY(Outlet *ImportExportButton READ ImportExportButton CONSTANT)
    Q_PROPERTY(Outlet *DefaultSettingsButton READ DefaultSettingsButton CONSTANT)
    Q_PROPERTY(Outlet *RateShareButton READ RateShareButton CONSTANT)
    Q_PROPERTY(QString toggleTitle READ toggleTitle NOTIFY toggleTitleChanged)
    Q_PROPERTY(QStringList entries READ entryNames CONSTANT)
public:
    // One entry of the menu: its button's outlet name and the segue it performs.
    struct Entry {
        QString button;
        QString identifier;
    };
    // Every entry, in the menu's order.
    static const QList<Entry> &entries();
    // The entries shown whatever "Expanded" says: what a person opens most.
    static bool isEveryday(const QString &button);

    explicit MainMenuViewController(QObject *parent = nullptr);

    Outlet *ListButton() const { return m_listButton; }
    Outlet *AddSessionButton() const { return m_addSessionButton; }
    Outlet *TotalsButton() const { return m_totalsButton; }
    Outlet *MilesSummaryButton() const { return m_milesSummaryButton; }
    Outlet *MapButton() const { return m_mapButton; }
    Outlet *JourneyButton() const { return m_journeyButton; }
    Outlet *LocationListButton() const { return m_locationListButton; }
    Outlet *ImportExportButton() const { return m_importExportButton; }
    Outlet *DefaultSettingsButton() const { return m_defaultSettingsButton; }
    Outlet *RateShareButton() const { return m_rateShareButton; }

    QStringList entryNames() const;
    Q_INVOKABLE Outlet *outlet(const QString &button) const;
    // Whether the entry's screen exists; an entry without one is never shown.
    static bool hasScreen(const Entry &entry);

    // The buttons that "Expanded" and the expand/collapse control show and hide: every entry
    // with a screen but the everyday ones.
    QList<Outlet *> MainMenuButton() const;
    bool MenuExpanded() const { return m_menuExpanded; }
    // The expand/collapse control's caption: "More" while a button is hidden, else "Less".
    QString toggleTitle() const;

    // Start-up work, once per run: unit default, built-in places, expansion, session repair.
    Q_INVOKABLE void viewDidLoad();
    // Each time the menu is shown: the buttons follow "Expanded" again.
    Q_INVOKABLE void viewWillAppear();
    // Flips every button of MainMenuButton on its own; the setting stays as it is.
    Q_INVOKABLE void HandleSelection();
    // A tap on an entry's button opens its screen.
    Q_INVOKABLE void openEntry(const QString &button);

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
    Outlet *m_journeyButton;
    Outlet *m_locationListButton;
    Outlet *m_importExportButton;
    Outlet *m_defaultSettingsButton;
    Outlet *m_rateShareButton;
};
