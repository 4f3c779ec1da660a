#include "LocalHttpServer.h"
#include "platform/MapCamera.h"
#include "platform/MapPolylines.h"
#include "platform/TileStore.h"

#include <QBuffer>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest>

Q_IMPORT_QML_PLUGIN(PacelogPlugin)

namespace {
QByteArray redTile() {
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return buffer.data();
}

QVariantList line(const QList<QPointF> &latLon) {
    QVariantList out;
    for (const QPointF &p : latLon)
        out << QVariantMap{{"latitude", p.x()}, {"longitude", p.y()}};
    return out;
}
} // namespace

class MapViewTest : public QObject {
    Q_OBJECT

private slots:
    // Only the tiles in view are asked for, with the app's name; a fresh copy on disk (by the
    // server's Cache-Control) answers without asking again.
    void tilesInViewFromTheServerThenTheDiskCache() {
        QTemporaryDir cache;
        const QByteArray png = redTile();
        LocalHttpServer server([&](const QByteArray &) {
            return LocalHttpServer::Reply{200, "image/png", png, "Cache-Control: max-age=3600\r\n"};
        });
        qputenv("PACELOG_CACHE_DIR", cache.path().toUtf8());
        qputenv("PACELOG_TILE_URL", (server.baseUrl() + "/tiles/{z}/{x}/{y}.png").toUtf8());

        QQmlApplicationEngine engine;
        engine.addImportPath("qrc:/qt/qml");
        engine.loadData(R"(import QtQuick
            import Pacelog
            Window { width: 256; height: 256; visible: true
                MapView { objectName: "map"; anchors.fill: parent
                          centerLatitude: 0; centerLongitude: 0; zoomLevel: 2 } })");
        auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().value(0));
        QVERIFY(window);
        QObject *map = window->findChild<QObject *>("map");
        auto paths = [&] {
            QByteArrayList out;
            for (const auto &request : server.requests())
                out << request.path;
            std::sort(out.begin(), out.end());
            return out;
        };
        QTRY_COMPARE(paths(), (QByteArrayList{"/tiles/2/1/1.png", "/tiles/2/1/2.png",
                                              "/tiles/2/2/1.png", "/tiles/2/2/2.png"}));
        for (const auto &request : server.requests())
            QCOMPARE(request.userAgent, QByteArray("Pacelog/1.0"));
        QTRY_COMPARE(window->grabWindow().pixelColor(128, 100), QColor(Qt::red));

        // Every tile has arrived (and is on disk) before the source changes: a reply still on
        // its way would be dropped with the old source and fetched again.
        QTRY_VERIFY(TileStore::shared()->image({2, 1, 1}) && TileStore::shared()->image({2, 1, 2}) &&
                    TileStore::shared()->image({2, 2, 1}) && TileStore::shared()->image({2, 2, 2}));
        // Another tile source empties the memory; coming back, the disk cache answers.
        map->setProperty("tileUrl", server.baseUrl() + "/other/{z}/{x}/{y}.png");
        QTRY_COMPARE(paths().size(), 8);
        map->setProperty("tileUrl", server.baseUrl() + "/tiles/{z}/{x}/{y}.png");
        QTRY_VERIFY(TileStore::shared()->image({2, 2, 2}));
        QTest::qWait(200);
        QCOMPARE(paths().size(), 8);

        // A line through the middle of the view is drawn blue over the tiles.
        map->setProperty("overlays", QVariantList{line({{0, -45}, {0, 45}})});
        QTRY_VERIFY(window->grabWindow().pixelColor(128, 128).blue() > 200);
        QCOMPARE(window->grabWindow().pixelColor(128, 128).red(), 0);
        qunsetenv("PACELOG_TILE_URL");
    }

    void linesAreClippedToTheView_data() {
        QTest::addColumn<QVariantList>("points");
        QTest::addColumn<QList<QPolygonF>>("pieces");
        // 200 x 200 view on (0, 0) at zoom 1: a degree of longitude is 512/360 pixels.
        QTest::newRow("cut where it leaves the view's surroundings")
            << line({{0, 0}, {0, 170}}) << QList<QPolygonF>{{{100, 100}, {300, 100}}};
        QTest::newRow("points less than a pixel apart merge")
            << line({{0, 0}, {0, 0.1}, {0, 0.2}, {0, 36}})
            << QList<QPolygonF>{{{100, 100}, {151.2, 100}}};
        QTest::newRow("away and back: two pieces")
            << line({{0, -36}, {0, 170}, {0, 175}, {0, 36}})
            << QList<QPolygonF>{{{48.8, 100}, {300, 100}}, {{300, 100}, {151.2, 100}}};
    }
    void linesAreClippedToTheView() {
        QFETCH(QVariantList, points);
        QFETCH(QList<QPolygonF>, pieces);
        MapCamera camera;
        camera.setWidth(200);
        camera.setHeight(200);
        camera.setCenterLatitude(0);
        camera.setCenterLongitude(0);
        camera.setZoomLevel(1);
        MapPolylines lines;
        lines.setLines({QVariant(points)});
        QCOMPARE(lines.viewPaths(0, &camera), pieces);
    }

    // The built-in outline holds the borders of the contiguous states and nothing outside
    // them; in a file of lines, notes, unreadable pairs and one-point rows are passed over.
    void linesFromAFile() {
        MapCamera camera;
        camera.setWidth(390);
        camera.setHeight(600);
        MapPolylines outline;
        outline.setSource(":/qt/qml/Pacelog/resources/StateOutlines.txt");
        QVERIFY2(outline.count() > 100, qPrintable(QString::number(outline.count())));
        const QRectF states(camera.project(49.5, -124.9), camera.project(24.4, -66.9));
        const QList<QPolygonF> pieces = outline.allViewPaths(&camera);
        QVERIFY(pieces.size() > 100); // islands smaller than a pixel at this zoom drop out
        for (const QPolygonF &piece : pieces)
            for (const QPointF &p : piece)
                QVERIFY2(states.adjusted(-1, -1, 1, 1).contains(p),
                         qPrintable(QStringLiteral("%1, %2").arg(p.x()).arg(p.y())));

        QTemporaryDir dir;
        QFile file(dir.filePath("lines.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# a note\n0,0 0,36 x,1\n\n5,5\n0,-36 0,0\n");
        file.close();
        MapPolylines lines;
        lines.setSource(file.fileName());
        QCOMPARE(lines.count(), 2);
        camera.setWidth(200);
        camera.setHeight(200);
        camera.setCenterLatitude(0);
        camera.setCenterLongitude(0);
        camera.setZoomLevel(1);
        QCOMPARE(lines.allViewPaths(&camera),
                 (QList<QPolygonF>{{{100, 100}, {151.2, 100}}, {{48.8, 100}, {100, 100}}}));
    }

    // The region of the Miami - Salt Lake City box keeps its centre, shows both corners and fills
    // the view one way.
    void regionFitsItsBox() {
        MapCamera camera;
        camera.setWidth(390);
        camera.setHeight(600);
        const QVariantMap region =
            camera.regionFor((25.761681 + 40.76078) / 2, (-80.191788 - 111.891045) / 2,
                             40.76078 - 25.761681, 111.891045 - 80.191788);
        camera.setCenterLatitude(region["latitude"].toDouble());
        camera.setCenterLongitude(region["longitude"].toDouble());
        camera.setZoomLevel(region["zoomLevel"].toDouble());
        const QPointF northWest = camera.project(40.76078, -111.891045);
        const QPointF southEast = camera.project(25.761681, -80.191788);
        const QRectF view(-0.01, -0.01, 390.02, 600.02);
        QVERIFY(view.contains(northWest) && view.contains(southEast));
        const QPointF size = southEast - northWest;
        QVERIFY(size.x() > 389 || northWest.y() < 0.5 || southEast.y() > 599.5);
        QVERIFY(qAbs(camera.project(region["latitude"].toDouble(), -96.04).x() - 195) < 1);
    }
};

QTEST_MAIN(MapViewTest)
#include "tst_map_view.moc"
