#include "DataDirectory.h"
#include "LocalHttpServer.h"
#include "SessionFixture.h"
#include "platform/LocationProvider.h"
#include "route/MapViewController.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
QStringList s_log;
void keepLog(QtMsgType, const QMessageLogContext &, const QString &message) {
    s_log << message;
}

const QByteArrayList LegPaths{
    "/route/v1/driving/-80.191788,25.761681;-111.891045,40.760780?overview=full&geometries=geojson",
    "/route/v1/driving/"
    "-111.891045,40.760780;-122.332069,47.606209?overview=full&geometries=geojson",
    "/route/v1/driving/-122.332069,47.606209;-68.771332,44.801601?overview=full&geometries=geojson",
    "/route/v1/driving/-68.771332,44.801601;-80.191788,25.761681?overview=full&geometries=geojson",
};
} // namespace

class MapViewControllerTest : public QObject {
    Q_OBJECT

    DataDirectory m_dir;

private slots:
    void init() {
        m_dir.fresh();
        qputenv("PACELOG_CACHE_DIR", m_dir.filePath("cache").toUtf8());
        s_log.clear();
        qInstallMessageHandler(keepLog);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void legsFromTheRouteServiceThenFromTheCache() {
        QFile recorded(PACELOG_TEST_DATA "/osrm_route.json");
        QVERIFY(recorded.open(QIODevice::ReadOnly));
        const QByteArray route = recorded.readAll();
        LocalHttpServer server([&](const QByteArray &) {
            return LocalHttpServer::Reply{200, "application/json", route, {}};
        });
        qputenv("PACELOG_DIRECTIONS_URL", server.baseUrl().toUtf8());
        {
            MapViewController map;
            QSignalSpy regions(&map, &MapViewController::regionRequested);
            map.viewDidLoad();
            QCOMPARE(map.plannedLegs().size(), 4); // straight until the road routes arrive
            QTRY_COMPARE_WITH_TIMEOUT(map.overlays().size(), 4, 15000);
            QCOMPARE(map.plannedLegs().size(), 0);
            QByteArrayList paths;
            for (const auto &request : server.requests()) {
                paths << request.path;
                QCOMPARE(request.userAgent, QByteArray("Pacelog/1.0"));
            }
            QCOMPARE(paths, LegPaths);
            const QVariantList line = map.overlays().first().toList();
            QCOMPARE(line.size(), 6);
            QCOMPARE(line.first().toMap().value("latitude").toDouble(), 25.761681);
            QCOMPARE(line.last().toMap().value("longitude").toDouble(), -111.891045);
            // Each reply fits the map to the route's box.
            QCOMPARE(regions.size(), 4);
            const QList<QVariant> last = regions.last();
            QCOMPARE(last.at(0).toDouble(), (25.761681 + 40.76078) / 2);
            QCOMPARE(last.at(2).toDouble(), 40.76078 - 25.761681);
            QCOMPARE(last.at(3).toDouble(), 111.891045 - 80.191788);
        }
        server.close();

        MapViewController fresh;
        fresh.viewDidLoad();
        QTRY_COMPARE(fresh.overlays().size(), 4);
        QCOMPARE(server.requests().size(), 4);

        // Kept replies older than a month are asked for again; out of reach, they still draw.
        const QDir kept(m_dir.filePath("cache/directions"));
        for (const QString &name : kept.entryList(QDir::Files)) {
            QFile file(kept.filePath(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-40),
                                     QFileDevice::FileModificationTime));
        }
        MapViewController stale;
        stale.viewDidLoad();
        QTRY_COMPARE_WITH_TIMEOUT(stale.overlays().size(), 4, 15000);
        QVERIFY(s_log.filter("error getting directions").isEmpty());
    }

    void errorsGoToTheConsole_data() {
        QTest::addColumn<bool>("serverUp");
        QTest::newRow("the service has no route") << true;
        QTest::newRow("the service is gone") << false;
    }
    void errorsGoToTheConsole() {
        QFETCH(bool, serverUp);
        LocalHttpServer server([](const QByteArray &) {
            return LocalHttpServer::Reply{
                400, "application/json", R"({"code":"NoRoute","message":"none"})", {}};
        });
        qputenv("PACELOG_DIRECTIONS_URL", server.baseUrl().toUtf8());
        if (!serverUp)
            server.close();
        MapViewController map;
        map.viewDidLoad();
        QTRY_COMPARE_WITH_TIMEOUT(s_log.filter("We have error getting directions == ").size(), 4,
                                  15000);
        for (const QString &line : s_log.filter("We have error getting directions == "))
            QVERIFY2(line.size() > 36, qPrintable(line));
        QCOMPARE(map.overlays().size(), 0);
        // Without road routes the legs stay straight lines from city to city, in loop order.
        const QVariantList legs = map.plannedLegs();
        QCOMPARE(legs.size(), 4);
        const auto ends = [](const QVariant &leg) {
            const QVariantList points = leg.toList();
            QStringList out;
            for (const QVariant &p : points)
                out << QStringLiteral("%1,%2")
                           .arg(p.toMap().value("latitude").toDouble())
                           .arg(p.toMap().value("longitude").toDouble());
            return out.join(' ');
        };
        QCOMPARE(ends(legs.first()), QString("25.7617,-80.1918 40.7608,-111.891"));
        QCOMPARE(ends(legs.last()), QString("44.8016,-68.7713 25.7617,-80.1918"));
    }

    // The page test shows, centres and stops with a place ahead. With none ahead there is no pin,
    // and an update that comes after Stop moves nothing.
    void noPlaceAheadAndALateUpdate() {
        qputenv("PACELOG_DIRECTIONS_URL", "http://127.0.0.1:9");
        addSession(QDateTime(QDate(2026, 3, 5), QTime(8, 0)), "300", "2500");
        LocationProvider location; // its updates are sent by hand below
        LocationProvider::setShared(&location);
        MapViewController map;
        QSignalSpy regions(&map, &MapViewController::regionRequested);
        map.viewDidLoad();
        map.ShowLocationButtonTapped();
        QCOMPARE(map.annotations().size(), 0);
        emit location.didUpdateLocation(47.25, -122.5, true);
        QCOMPARE(regions.size(), 1);
        QCOMPARE(regions.first().at(2).toDouble(), 0.052); // the span around the place shown
        QCOMPARE(regions.first().at(3).toDouble(), 0.052);
        map.StopShowingLocationButtonTapped();
        emit location.didUpdateLocation(47.25, -122.5, true);
        QCOMPARE(regions.size(), 1);
        LocationProvider::setShared(nullptr);
    }
};

QTEST_GUILESS_MAIN(MapViewControllerTest)
#include "tst_map_view_controller.moc"
