// The route map on a large log: opening the map screen with 100,000 sessions and 1,000 places
// (total, leg, next place ahead and its pin; no network), and the memory of panning and zooming
// a phone-sized map over a tile set that is already in the disk cache.
#include "BenchClock.h"
#include "BenchReport.h"
#include "LocalHttpServer.h"
#include "model/AppDelegate.h"
#include "model/Locations.h"
#include "model/UserData.h"
#include "platform/TileStore.h"
#include "route/MapViewController.h"
#include "route/RouteLegs.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <cstdio>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

using namespace BenchClock;

namespace {

void fill(int sessions, int places) {
    Context &context = AppDelegate::shared()->persistentContainer();
    for (int i = 0; i < sessions; ++i) {
        UserData s;
        s.setDate(QString::number(i));
        s.setCalories(QStringLiteral("300"));
        s.setDistance(QString::number(0.02 + (i % 7) / 1000.0)); // about 2,500 miles in all
        context.insert(s);
    }
    const QList<RouteLeg> &legs = RouteLegs::all();
    for (int i = 0; i < places; ++i) {
        const RouteLeg &leg = legs.at(i % 4);
        Locations p;
        p.setName(QStringLiteral("Place %1").arg(i));
        p.setFromCity(leg.key);
        p.setLatitude(float(leg.latitude));
        p.setLongitude(float(leg.longitude));
        p.setValue(leg.distanceKey, float(i / 4) * 10.0f);
        context.insert(p);
    }
    if (!context.save())
        std::fprintf(stderr, "could not fill the store\n");
}

int measureOpen(const QString &directory, int sessions) {
    qputenv("PACELOG_DIRECTIONS_URL", "http://127.0.0.1:9");
    qputenv("PACELOG_CACHE_DIR", (directory + "/cache").toUtf8());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::vector<Timing> opens;
    for (int run = 0; run < 5; ++run) {
        AppDelegate::setDataDirectory(directory);
        MapViewController map;
        opens.push_back(timed([&] { map.viewDidLoad(); }));
        if (map.annotations().size() != 1)
            std::fprintf(stderr, "no pin at the next place ahead\n");
    }
    const Timing open = median(opens);
    std::printf("map open, %d sessions, 1000 places: %.1f ms (cpu %.1f ms)\n", sessions, open.wall,
                open.cpu);
    BenchReport::add(QStringLiteral("map open"), sessions, open.wall, QStringLiteral("ms"), 150);
    return 0;
}

QByteArray noisyTile() {
    QImage image(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            image.setPixel(x, y, QRandomGenerator::global()->generate() | 0xff000000);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

int measurePanning(const QString &directory) {
    const QByteArray tile = noisyTile();
    LocalHttpServer server([&](const QByteArray &) {
        return LocalHttpServer::Reply{200, "image/png", tile, "Cache-Control: max-age=86400\r\n"};
    });
    qputenv("PACELOG_CACHE_DIR", (directory + "/cache").toUtf8());
    qputenv("PACELOG_TILE_URL", (server.baseUrl() + "/{z}/{x}/{y}.png").toUtf8());
    QQmlApplicationEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.loadData(R"(import QtQuick
        import Pacelog
        Window { width: 390; height: 844; visible: true
            MapView { objectName: "map"; anchors.fill: parent } })");
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
    QObject *map = window ? window->findChild<QObject *>(QStringLiteral("map")) : nullptr;
    if (!map)
        return 1;
    // From Miami to Seattle and back at three zoom levels, waiting for each view's tiles.
    auto tour = [&] {
        for (int zoom = 5; zoom <= 7; ++zoom) {
            for (int step = 0; step <= 40; ++step) {
                const double t = step <= 20 ? step / 20.0 : (40 - step) / 20.0;
                map->setProperty("zoomLevel", zoom + 0.3 * (step % 3));
                map->setProperty("centerLatitude", 25.76 + t * (47.61 - 25.76));
                map->setProperty("centerLongitude", -80.19 + t * (-122.33 + 80.19));
                QElapsedTimer wait;
                wait.start();
                do {
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
                } while (TileStore::shared()->requestsInFlight() > 0 && wait.elapsed() < 3000);
                window->grabWindow();
            }
        }
    };
    tour(); // fills the disk cache
    const int fetched = server.requests().size();
    const Timing cached = timed(tour);
    const long peak = peakMegabytes();
    std::printf("map panning and zooming over %d cached tiles: %.0f ms for 123 views, %d further "
                "requests, peak memory %ld MB\n",
                fetched, cached.wall, int(server.requests().size()) - fetched, peak);
    BenchReport::add(QStringLiteral("map pan and zoom memory"), 0, double(peak),
                     QStringLiteral("MB"), 200);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("--open"))
        return measureOpen(args.at(2), args.at(3).toInt());
    if (args.size() == 3 && args.at(1) == QLatin1String("--pan"))
        return measurePanning(args.at(2));

    QTemporaryDir dir;
    AppDelegate::setDataDirectory(dir.path());
    fill(100000, 1000);
    AppDelegate::setDataDirectory(dir.path()); // closes the store for the measuring runs
    int failures = !runSelf({QStringLiteral("--open"), dir.path(), QStringLiteral("100000")});
    failures += !runSelf({QStringLiteral("--pan"), dir.path()});
    return failures;
}
