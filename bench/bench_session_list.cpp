// How long the session list takes from opening to its first rows, and how much memory the
// process holds then, with many sessions in the store.
//
//   bench_session_list                 runs 10,000 and 100,000 sessions, each in a fresh process
//   bench_session_list --sessions N    one run with N sessions

#include "BenchClock.h"
#include "BenchReport.h"
#include "log/MasterViewController.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "platform/Formatting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

namespace {

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

void fillStore(int sessions) {
    auto bulk = AppDelegate::shared()->newContainer();
    const QDateTime start(QDate(1990, 1, 1), QTime(7, 30));
    for (int i = 0; i < sessions; ++i) {
        // Several sessions a day over the years, inserted out of day order.
        const QDateTime when = start.addDays((i * 7919) % (sessions / 3 + 1));
        UserData s;
        s.setTreadDate(when);
        s.setDate(Formatting::mediumDate(when));
        s.setCalories(QString::number(200 + i % 400));
        s.setFatCalories(QString::number((200 + i % 400) / 3.2080107f));
        s.setDistance(QString::number(1 + (i % 90) / 10.0));
        s.setLaps(QStringLiteral("%1.00").arg(4 + i % 36));
        bulk->insert(s);
    }
    if (!bulk->save())
        std::fprintf(stderr, "filling the store failed: %s\n", qPrintable(bulk->lastError()));
}

// Waits for the next frame the window puts on screen.
void waitForFrame(QQuickView &view) {
    QEventLoop loop;
    QObject::connect(&view, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

int runOnce(int sessions) {
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral("qrc:/qt/qml"));
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.resize(390, 844);

    // In the app the engine runs and the styles are loaded before the list opens: open the
    // page once on an empty store so that the figures below are about the list itself.
    QTemporaryDir empty;
    AppDelegate::setDataDirectory(empty.path());
    view.setSource(QUrl(QStringLiteral("qrc:/qt/qml/Pacelog/log/MasterPage.qml")));
    view.show();
    waitForFrame(view);
    view.setSource(QUrl());
    view.engine()->clearComponentCache();

    QTemporaryDir dir;
    AppDelegate::setDataDirectory(dir.path());
    fillStore(sessions);
    AppDelegate::shared()->persistentContainer(); // the store is open before any screen
    const double baseline = residentMegabytes();

    // The real page: its controller loads the list, the ListView builds the visible rows.
    QElapsedTimer timer;
    timer.start();
    view.setSource(QUrl(QStringLiteral("qrc:/qt/qml/Pacelog/log/MasterPage.qml")));
    if (view.status() != QQuickView::Ready) {
        std::fprintf(stderr, "MasterPage did not load\n");
        return 1;
    }
    auto *table = view.rootObject()->findChild<QQuickItem *>(QStringLiteral("tableView"));
    QQuickItem *firstRow = nullptr;
    for (int frames = 0; frames < 10 && !firstRow; ++frames) {
        waitForFrame(view);
        QMetaObject::invokeMethod(table, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, firstRow),
                                  Q_ARG(int, 0));
    }
    const double shownMs = timer.nsecsElapsed() / 1e6;
    const int rows = table->property("count").toInt();
    const double shownRss = residentMegabytes();

    // The list model alone, as when the list is shown again: ids in order, then one screen
    // of rows read.
    MasterViewController controller;
    timer.restart();
    controller.viewDidLoad();
    QString sink;
    for (int row = 0; row < 20; ++row)
        sink += controller.DailyList()
                    ->index(row, 0)
                    .data(SessionListModel::SecondLabelRole)
                    .toString();
    const double modelMs = timer.nsecsElapsed() / 1e6;

    // A jump to the middle: only the rows shown are read.
    timer.restart();
    for (int row = sessions / 2; row < sessions / 2 + 20; ++row)
        sink +=
            controller.DailyList()->index(row, 0).data(SessionListModel::FirstLabelRole).toString();
    const double jumpMs = timer.nsecsElapsed() / 1e6;

    std::printf("%7d sessions: first rows shown %7.1f ms (%d rows)  list load + 20 rows %6.1f ms  "
                "20 rows mid-list %5.2f ms  RSS %5.1f MB (store open %5.1f MB)%s\n",
                sessions, shownMs, rows, modelMs, jumpMs, shownRss, baseline,
                firstRow && !sink.isEmpty() ? "" : "  NO ROWS");
    std::fflush(stdout);
    BenchReport::add(QStringLiteral("list first rows"), sessions, shownMs, QStringLiteral("ms"),
                     300);
    BenchReport::add(QStringLiteral("list memory"), sessions, shownRss, QStringLiteral("MB"), 150);
    return firstRow ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QQuickStyle::setStyle(QStringLiteral("Material"));
    const QStringList args = app.arguments();
    const int at = int(args.indexOf(QStringLiteral("--sessions")));
    if (at > 0 && at + 1 < args.size())
        return runOnce(args.at(at + 1).toInt());

    // One process per size, so each memory figure stands alone.
    int failures = 0;
    for (const int sessions : {10000, 100000}) {
        failures += !BenchClock::runSelf({QStringLiteral("--sessions"), QString::number(sessions)});
    }
    return failures;
}
