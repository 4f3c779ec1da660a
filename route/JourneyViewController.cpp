#include "route/JourneyViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/ReadFailureAlert.h"
#include "platform/Clock.h"
#include "route/Journey.h"
#include "route/JourneyForecast.h"
#include "route/RouteLegs.h"

#include <QDebug>

JourneyViewController::JourneyViewController(QObject *parent)
    : QObject(parent), m_forecast(new Outlet(this)),
      m_rows(new RowListModel(this, {QStringLiteral("textLabel"), QStringLiteral("detailTextLabel"),
                                     QStringLiteral("leg"), QStringLiteral("firstOfLeg")})) {}

QString JourneyViewController::legCaption(qsizetype leg) {
    const RouteLeg &from = RouteLegs::all().at(leg);
    return from.key + QStringLiteral(" to ") + RouteLegs::next(from).key;
}

void JourneyViewController::viewDidLoad() {
    Context &context = AppDelegate::shared()->persistentContainer();
    Journey journey;
    QString error;
    if (!journey.compute(context, &error))
        ReadFailureAlert::present(this, error);
    QList<QVariantMap> rows;
    rows.reserve(journey.reached.size());
    qsizetype leg = -1;
    for (const Journey::Stop &stop : journey.reached) {
        rows.append({{QStringLiteral("textLabel"), stop.name},
                     {QStringLiteral("detailTextLabel"), stop.date},
                     {QStringLiteral("leg"), legCaption(stop.leg)},
                     {QStringLiteral("firstOfLeg"), stop.leg != leg}});
        leg = stop.leg;
    }
    m_rows->setRows(rows);
    m_nextPlace = journey.next ? journey.next->name : QString();
    m_forecast->setText(JourneyForecast::line(context, journey, Clock::now().date(),
                                              !AppState::instance()->isMiles()));
    emit reloaded();
}
