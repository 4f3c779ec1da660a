#include "summary/TotalsViewController.h"

#include "model/ReviewService.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"
#include "platform/PrintController.h"
#include "summary/TotalsReport.h"
#include "summary/TotalsRoute.h"

#include <QDebug>
#include <QTimer>
#include <algorithm>

namespace {

// Every number on this screen: two to three fraction digits, grouped, in the device locale.
QString number(double value) {
    return Formatting::decimal(value, 2, 3, true);
}

const QColor CompletedColor = Qt::green;
const QColor ToGoColor = Qt::red;

} // namespace

TotalsViewController::TotalsViewController(QObject *parent)
    : QObject(parent), m_todaysDateLabel(new Outlet(this, QStringLiteral("Todays Date: "))),
      m_ltd(makeBlock(QStringLiteral("LTD Totals"))),
      m_ytd(makeBlock(QStringLiteral("YTD Totals"))),
      m_mtd(makeBlock(QStringLiteral("MTD Totals"))), m_cityFields{new Outlet(this),
                                                                   new Outlet(this),
                                                                   new Outlet(this),
                                                                   new Outlet(this)},
      m_routeExplanationLabel(new Outlet(this)), m_legLabels{new Outlet(this), new Outlet(this),
                                                             new Outlet(this), new Outlet(this)},
      m_rangeDatePicker(new Outlet(this)) {
    // The picker starts at the current day, like a freshly laid-out date picker.
    m_rangeDatePicker->setDate(QDateTime::currentDateTime());
}

TotalsViewController::Block TotalsViewController::makeBlock(const QString &caption) {
    return Block{new Outlet(this, caption), new Outlet(this), new Outlet(this),
                 new Outlet(this),          new Outlet(this), new Outlet(this)};
}

void TotalsViewController::viewDidLoad() {
    if (!m_todaysDateLabel->text().isEmpty())
        m_todaysDateLabel->setText(m_todaysDateLabel->text() +
                                   Formatting::mediumDate(QDateTime::currentDateTime()));

    m_rangeDatePicker->setText(Formatting::mediumDate(m_rangeDatePicker->date()));

    computeMtd();
    computeYtd();
    computeLtd();

    const bool miles = AppState::instance()->isMiles();
    const QString unit = miles ? QStringLiteral("mi") : QStringLiteral("km");
    for (const Block *block : {&m_ltd, &m_ytd, &m_mtd})
        block->unit->setText(unit);
    m_routeExplanationLabel->setText(TotalsRoute::explanation(miles));
    const auto captions = TotalsRoute::captions(miles);
    for (size_t i = 0; i < captions.size(); ++i)
        m_legLabels[i]->setText(captions[i]);

    // Scheduled against this screen, so a screen closed within the delay asks nothing.
    QTimer::singleShot(ReviewDelayMs, this, [] { ReviewService::shared().requestReview(); });
}

void TotalsViewController::rangeDatePickerChanged(const QDateTime &date) {
    m_rangeDatePicker->setDate(date);
    m_rangeDatePicker->setText(Formatting::mediumDate(date));
    computeLtd();
    computeYtd();
    computeMtd();
}

double TotalsViewController::computeBlock(const FetchRequest &request, const Block &block,
                                          bool isLifetime) {
    Context &context = AppDelegate::shared()->persistentContainer();
    QString error;
    const QList<UserData> sessions = context.fetchAs<UserData>(request, &error);
    if (!error.isEmpty())
        qWarning().noquote() << error;
    const int count = context.count(request);
    if (count >= 0)
        m_recordCount = count;

    const qsizetype walked = std::min<qint64>(m_recordCount, sessions.size());
    double calories = 0, fatCalories = 0, distance = 0, laps = 0;
    for (qsizetype i = 0; i < walked; ++i) {
        const UserData &session = sessions.at(i);
        calories += NumberReading::leadingNumber(session.calories());
        fatCalories += NumberReading::leadingNumber(session.fatCalories());
        distance += NumberReading::leadingNumber(session.distance());
        laps += NumberReading::leadingNumber(session.laps());
        if (isLifetime && i == walked - 1)
            block.header->setText(QStringLiteral("LTD Totals ( First Entry ") + session.date() +
                                  QStringLiteral(" )"));
    }
    block.calories->setText(number(calories));
    block.fatCalories->setText(number(fatCalories));
    block.distance->setText(number(distance));
    block.laps->setText(number(laps));
    return distance;
}

void TotalsViewController::computeLtd() {
    FetchRequest request = UserData::fetchRequest();
    request.sortBy(QStringLiteral("year"), false)
        .sortBy(QStringLiteral("imonth"), false)
        .sortBy(QStringLiteral("iday"), false);
    showRoute(computeBlock(request, m_ltd, true));
}

void TotalsViewController::computeYtd() {
    const QDate day = m_rangeDatePicker->date().toLocalTime().date();
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("year = %@"), QString::number(day.year()))
        .where(QStringLiteral("imonth <=%@"), QString::number(day.month()))
        .sortBy(QStringLiteral("date"));
    computeBlock(request, m_ytd, false);
    m_ytd.header->setText(QStringLiteral("YTD Totals"));
}

void TotalsViewController::computeMtd() {
    const QDate day = m_rangeDatePicker->date().toLocalTime().date();
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("year = %@"), QString::number(day.year()))
        .where(QStringLiteral("imonth =%@"), QString::number(day.month()))
        .sortBy(QStringLiteral("date"));
    computeBlock(request, m_mtd, false);
    m_mtd.header->setText(QStringLiteral("MTD Totals"));
}

void TotalsViewController::showRoute(double distance) {
    const auto legs = TotalsRoute::legs(distance, AppState::instance()->distanceUnit());
    if (!legs)
        return;
    for (size_t i = 0; i < legs->size(); ++i) {
        const TotalsRoute::Leg &leg = (*legs)[i];
        m_cityFields[i]->setText(leg.completed ? QStringLiteral("Completed")
                                               : number(leg.toGo) + QStringLiteral(" To Go"));
        m_cityFields[i]->setColor(leg.completed ? CompletedColor : ToGoColor);
    }
}

void TotalsViewController::PrintButtonClicked() {
    const auto texts = [](const Block &block) {
        return TotalsReport::Block{block.calories->text(), block.fatCalories->text(),
                                   block.distance->text(), block.laps->text()};
    };
    TotalsReport::Texts report;
    report.todaysDate = Formatting::mediumDate(QDateTime::currentDateTime());
    report.ltdHeader = m_ltd.header->text();
    report.ltd = texts(m_ltd);
    report.ytd = texts(m_ytd);
    report.mtd = texts(m_mtd);
    report.routeExplanation = m_routeExplanationLabel->text();
    for (size_t i = 0; i < m_legLabels.size(); ++i) {
        report.legCaptions[i] = m_legLabels[i]->text();
        report.legStatus[i] = m_cityFields[i]->text();
    }
    m_totalsString = TotalsReport::build(report);
    PrintController::shared()->present(m_totalsString.document(),
                                       [](bool completed, const QString &) {
                                           // Print errors and cancelled dialogs are not reported to
                                           // the person.
                                           if (completed)
                                               qInfo().noquote() << "Image is Printed";
                                       });
}
