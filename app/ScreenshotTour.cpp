#include "app/ScreenshotTour.h"

#include "app/SegueRegistry.h"
#include "log/SessionRules.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/Context.h"
#include "model/UserData.h"
#include "platform/Appearance.h"
#include "platform/Formatting.h"
#include "platform/RatingPrompt.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>
#include <cstdio>

namespace {

// Lets bindings, layouts and the first frame of a freshly shown page settle.
void settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

QQuickItem *findStack(QObject *root) {
    for (QQuickItem *item : root->findChildren<QQuickItem *>())
        if (item->inherits("QQuickStackView"))
            return item;
    return nullptr;
}

// "log/MasterPage.qml" -> "log-MasterPage".
QString nameOf(const QString &page) {
    return QString(page).remove(QStringLiteral(".qml")).replace(QLatin1Char('/'), QLatin1Char('-'));
}

} // namespace

ScreenshotTour::ScreenshotTour(QQmlApplicationEngine *engine, const QString &directory,
                               QObject *parent)
    : QObject(parent), m_engine(engine), m_directory(directory) {}

void ScreenshotTour::seedSampleLog() {
    Context &context = AppDelegate::shared()->persistentContainer();
    // Fixed days, so the pictures do not change from one run to the next.
    const QDateTime first(QDate(2025, 11, 3), QTime(18, 30));
    for (int i = 0; i < 20; ++i) {
        UserData session;
        const QDateTime moment = first.addDays(i * 4 + (i % 3));
        const QString calories = QString::number(280 + (i * 37) % 190);
        const QString distance = QString::number(2.5 + (i % 7) * 0.35, 'f', 2);
        session.setTreadDate(moment);
        session.setDate(Formatting::mediumDate(moment));
        session.setCalories(calories);
        session.setFatCalories(SessionRules::fatCalories(calories).value_or(QString()));
        session.setDistance(distance);
        session.setLaps(SessionRules::laps(distance, true).value_or(QString()));
        context.insert(session);
    }
    QString error;
    if (!context.save(&error))
        std::fprintf(stderr, "screenshots: the sample log was not saved: %s\n", qPrintable(error));
}

void ScreenshotTour::start() {
    QTimer::singleShot(0, this, &ScreenshotTour::run);
}

bool ScreenshotTour::capture(const QString &name) {
    auto *window = qobject_cast<QQuickWindow *>(m_engine->rootObjects().value(0));
    const QString file = QDir(m_directory).filePath(name + QStringLiteral(".png"));
    const bool ok = window && window->grabWindow().save(file);
    std::printf("screenshots: %s %s\n", ok ? "wrote" : "FAILED", qPrintable(file));
    if (!ok)
        ++m_failures;
    return ok;
}

bool ScreenshotTour::showsItsOwnContent(QQuickItem *stack, const QString &name) {
    // The summaries of the selected year and month are pictured with its sessions in them.
    static const QStringList bySelection{QStringLiteral("MonthlyTableViewController"),
                                         QStringLiteral("DailyTableViewController")};
    const auto *page = stack->property("currentItem").value<QObject *>();
    const auto *controller = page ? page->property("controller").value<QObject *>() : nullptr;
    QString problem;
    if (RatingPrompt::instance()->showing())
        problem = QStringLiteral("the rating prompt covers the page");
    else if (page && bySelection.contains(page->objectName()) &&
             (!controller || controller->property("recordCount").toLongLong() == 0))
        problem = QStringLiteral("the page lists no session");
    if (problem.isEmpty())
        return true;
    std::fprintf(stderr, "screenshots: %s: %s\n", qPrintable(name), qPrintable(problem));
    return false;
}

void ScreenshotTour::run() {
    QObject *root = m_engine->rootObjects().value(0);
    QQuickItem *stack = root ? findStack(root) : nullptr;
    if (!stack || !QDir().mkpath(m_directory)) {
        std::fprintf(stderr, "screenshots: the app did not load or %s cannot be made\n",
                     qPrintable(m_directory));
        QCoreApplication::exit(1);
        return;
    }
    QJSValue stackValue = m_engine->newQObject(stack);
    // A page opened with "showDetail" is handed the first record its source screen lists.
    const QHash<QString, QString> listedBy = {
        {QStringLiteral("MasterViewController"), QStringLiteral("UserData")},
        {QStringLiteral("LocationTableViewController"), QStringLiteral("Locations")}};
    QHash<QString, QJSValue> openedWith;
    for (const SegueRegistry::Segue &segue : SegueRegistry::segues()) {
        if (segue.identifier != QLatin1String("showDetail") || !listedBy.contains(segue.source))
            continue;
        const QList<Record> records = AppDelegate::shared()->persistentContainer().fetch(
            FetchRequest(listedBy.value(segue.source)));
        QJSValue properties = m_engine->newObject();
        if (!records.isEmpty())
            properties.setProperty(QStringLiteral("detailItem"),
                                   m_engine->toScriptValue(QVariant::fromValue(records.first())));
        openedWith.insert(segue.page, properties);
    }

    // The monthly and days pages show the month of the newest session and its year.
    FetchRequest newest = UserData::fetchRequest();
    newest.sortBy(QStringLiteral("treadDate"), false);
    newest.setFetchLimit(1);
    const QList<UserData> last =
        AppDelegate::shared()->persistentContainer().fetchAs<UserData>(newest);
    if (!last.isEmpty()) {
        const QDate day = last.first().treadDate().toLocalTime().date();
        AppState::instance()->setAppSelectedYear(day.year());
        AppState::instance()->setAppSelectedMonth(day.month());
    }

    for (const QString &appearance : {QStringLiteral("light"), QStringLiteral("dark")}) {
        Appearance::instance()->force(appearance);
        settle(300);
        capture(nameOf(SegueRegistry::menuPage()) + QLatin1Char('-') + appearance);
        // Every page a segue can open, so a new screen is pictured once it is registered.
        for (const QString &page : SegueRegistry::pages()) {
            stackValue.property(QStringLiteral("push"))
                .callWithInstance(stackValue, {QJSValue(SegueRegistry::url(page)),
                                               openedWith.value(page, m_engine->newObject())});
            settle(500);
            const QString name = nameOf(page) + QLatin1Char('-') + appearance;
            if (capture(name) && !showsItsOwnContent(stack, name))
                ++m_failures;
            stackValue.property(QStringLiteral("pop")).callWithInstance(stackValue, {QJSValue()});
            settle(100);
        }
    }
    std::fflush(stdout);
    QCoreApplication::exit(m_failures == 0 ? 0 : 1);
}
