#include "platform/MapTileLayer.h"

#include "platform/TileStore.h"

#include <QPainter>
#include <cmath>

namespace {
// The tiles covering the camera's view at tile zoom z, with their place in the view.
struct Placement {
    TileStore::Tile tile;
    QRectF rect;
};

QList<Placement> visibleTiles(const MapCamera &camera) {
    QList<Placement> out;
    const int z = std::clamp(int(std::lround(camera.zoomLevel())), 0, int(MapCamera::MaxZoom));
    const int n = 1 << z;
    const double size = camera.worldSize() / n;
    const QPointF origin = camera.toView(QPointF(0, 0)); // the world's top-left in the view
    const int x0 = int(std::floor(-origin.x() / size));
    const int x1 = int(std::floor((camera.width() - origin.x()) / size));
    const int y0 = std::max(0, int(std::floor(-origin.y() / size)));
    const int y1 = std::min(n - 1, int(std::floor((camera.height() - origin.y()) / size)));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1 && x - x0 < n; ++x) {
            const int wrapped = ((x % n) + n) % n;
            out.append({{z, wrapped, y},
                        QRectF(origin.x() + x * size, origin.y() + y * size, size, size)});
        }
    }
    return out;
}
} // namespace

MapTileLayer::MapTileLayer(QQuickItem *parent) : QQuickPaintedItem(parent) {
    // Transparent where no tile is drawn: the map item's ground and outline show there.
    setFillColor(Qt::transparent);
    m_template = TileStore::defaultTemplate();
    connect(TileStore::shared(), &TileStore::tileArrived, this, [this] { update(); });
}

void MapTileLayer::setCamera(MapCamera *camera) {
    if (m_camera == camera)
        return;
    if (m_camera)
        disconnect(m_camera, nullptr, this, nullptr);
    m_camera = camera;
    if (m_camera)
        connect(m_camera, &MapCamera::changed, this, &MapTileLayer::refresh);
    emit cameraChanged();
    refresh();
}

void MapTileLayer::setUrlTemplate(const QString &urlTemplate) {
    if (urlTemplate == m_template)
        return;
    m_template = urlTemplate;
    emit urlTemplateChanged();
    refresh();
}

void MapTileLayer::refresh() {
    update();
    if (!m_camera || m_template.isEmpty() || m_camera->width() <= 0 || m_camera->height() <= 0)
        return;
    TileStore *store = TileStore::shared();
    store->setTemplate(m_template);
    QList<TileStore::Tile> wanted;
    for (const Placement &p : visibleTiles(*m_camera))
        wanted.append(p.tile);
    store->want(wanted);
}

void MapTileLayer::paint(QPainter *painter) {
    if (!m_camera || m_template.isEmpty())
        return;
    TileStore *store = TileStore::shared();
    if (store->urlTemplate() != m_template)
        return;
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Placement &p : visibleTiles(*m_camera)) {
        // The tile itself, else the nearest coarser tile that holds its area.
        for (int up = 0; up <= std::min(p.tile.z, 6); ++up) {
            const TileStore::Tile parent{p.tile.z - up, p.tile.x >> up, p.tile.y >> up};
            const QImage *image = store->image(parent);
            if (!image)
                continue;
            const int part = image->width() >> up;
            const QRect source((p.tile.x - (parent.x << up)) * part,
                               (p.tile.y - (parent.y << up)) * part, part, part);
            painter->drawImage(p.rect, *image, source);
            break;
        }
    }
}
