#include "summary/TotalsViewController.h"

#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/ReadFailureAlert.h"
#include "model/ReviewService.h"
#include "model/UserData.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"
#include "platform/PrintController.h"
#include "platform/RatingPrompt.h"
#include "summary/TotalsReport.h"
#include "summary/TotalsRoute.h"

#include <QDebug>
#include <QTimer>

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
      m_rangeDatePicker(new Outlet(this)), m_reviewTimer(new QTimer(this)) {
    // The picker starts at the current day, like a freshly laid-out date picker.
    m_rangeDatePicker->setDate(QDateTime::currentDateTime());
    m_reviewTimer->setSingleShot(true);
    connect(m_reviewTimer, &QTimer::timeout, this, [] { ReviewService::shared().requestReview(); });
}

TotalsViewController::~TotalsViewController() {
    viewWillDisappear();
}

void TotalsViewController::viewWillDisappear() {
    m_reviewTimer->stop();
    if (RatingPrompt::instance()->showing())
        RatingPrompt::instance()->respond(false);
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

    // Scheduled against this screen, so a screen left within the delay asks nothing.
    m_reviewTimer->start(ReviewDelayMs);
}

void TotalsViewController::rangeDatePickerChanged(const QDateTime &date) {
    m_rangeDatePicker->setDate(date);
    m_rangeDatePicker->setText(Formatting::mediumDate(date));
    computeLtd();
    computeYtd();
    computeMtd();
}

double TotalsViewController::computeBlock(const FetchRequest &request, const Block &block) {
    // Only the four sums are needed, so the store adds them up itself: nothing is loaded.
    Context &context = AppDelegate::shared()->persistentContainer();
    QString error;
    const auto totals =
        context.sumLeadingNumbers(request,
                                  {QStringLiteral("calories"), QStringLiteral("fatCalories"),
                                   QStringLiteral("distance"), QStringLiteral("laps")},
                                  &error);
    if (!totals)
        ReadFailureAlert::present(this, error);
    else if (m_recordCount != totals->count) {
        m_recordCount = totals->count;
        emit recordCountChanged();
    }
    const QList<double> sums = totals ? totals->sums : QList<double>{0, 0, 0, 0};
    block.calories->setText(number(sums.at(0)));
    block.fatCalories->setText(number(sums.at(1)));
    block.distance->setText(number(sums.at(2)));
    block.laps->setText(number(sums.at(3)));
    return sums.at(2);
}

void TotalsViewController::computeLtd() {
    // Added up newest day first; the year and month blocks add up in `date` order.
    FetchRequest all = UserData::fetchRequest();
    all.sortBy(QStringLiteral("year"), false)
        .sortBy(QStringLiteral("imonth"), false)
        .sortBy(QStringLiteral("iday"), false);
    showRoute(computeBlock(all, m_ltd));
    // The first entry is the last session of the newest-first order (year, imonth, iday).
    FetchRequest first = UserData::fetchRequest();
    first.sortBy(QStringLiteral("year"))
        .sortBy(QStringLiteral("imonth"))
        .sortBy(QStringLiteral("iday"));
    first.setPropertiesToFetch({QStringLiteral("date")});
    first.setFetchLimit(1);
    const QList<UserData> oldest =
        AppDelegate::shared()->persistentContainer().fetchAs<UserData>(first);
    if (!oldest.isEmpty())
        m_ltd.header->setText(QStringLiteral("LTD Totals ( First Entry ") + oldest.first().date() +
                              QStringLiteral(" )"));
}

void TotalsViewController::computeYtd() {
    const QDate day = m_rangeDatePicker->date().toLocalTime().date();
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("year = %@"), QString::number(day.year()))
        .where(QStringLiteral("imonth <=%@"), QString::number(day.month()))
        .sortBy(QStringLiteral("date"));
    computeBlock(request, m_ytd);
    m_ytd.header->setText(QStringLiteral("YTD Totals"));
}

void TotalsViewController::computeMtd() {
    const QDate day = m_rangeDatePicker->date().toLocalTime().date();
    FetchRequest request = UserData::fetchRequest();
    request.where(QStringLiteral("year = %@"), QString::number(day.year()))
        .where(QStringLiteral("imonth =%@"), QString::number(day.month()))
        .sortBy(QStringLiteral("date"));
    computeBlock(request, m_mtd);
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
