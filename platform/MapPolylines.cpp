#include "platform/MapPolylines.h"

#include "platform/NumberReading.h"

#include <QDebug>
#include <QFile>
#include <QLineF>
#include <QRectF>

namespace {
// Liang-Barsky: clips the segment a-b to the rectangle; false when nothing is left.
bool clip(const QRectF &r, QPointF &a, QPointF &b) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    if (t0 > 0)
        a = start + QPointF(dx, dy) * t0;
    if (t1 < 1)
        b = start + QPointF(dx, dy) * t1;
    return true;
}
} // namespace

void MapPolylines::setLines(const QVariantList &lines) {
    m_lines = lines;
    m_world.clear();
    for (const QVariant &line : lines) {
        QList<QPointF> points;
        const QVariantList list = line.toList();
        points.reserve(list.size());
        for (const QVariant &point : list) {
            const QVariantMap map = point.toMap();
            points.append(MapCamera::worldPoint(map.value(QStringLiteral("latitude")).toDouble(),
                                                map.value(QStringLiteral("longitude")).toDouble()));
        }
        m_world.append(points);
    }
    emit linesChanged();
}

void MapPolylines::setSource(const QString &path) {
    m_source = path;
    m_lines.clear();
    m_world.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qWarning().noquote() << "Can't read the map lines" << path;
    while (!file.atEnd()) {
        const QByteArray row = file.readLine().trimmed();
        if (row.isEmpty() || row.startsWith('#'))
            continue;
        QList<QPointF> points;
        for (const QByteArray &pair : row.split(' ')) {
            const qsizetype comma = pair.indexOf(',');
            // Coordinates are data written in C notation, never read through the locale.
            const auto latitude = NumberReading::wholeDouble(QString::fromLatin1(pair.left(comma)));
            const auto longitude =
                NumberReading::wholeDouble(QString::fromLatin1(pair.mid(comma + 1)));
            if (comma > 0 && latitude && longitude)
                points.append(MapCamera::worldPoint(*latitude, *longitude));
        }
        if (points.size() > 1)
            m_world.append(points);
    }
    emit linesChanged();
}

QList<QPolygonF> MapPolylines::allViewPaths(MapCamera *camera, int revision) const {
    QList<QPolygonF> pieces;
    for (qsizetype i = 0; i < m_world.size(); ++i)
        pieces += viewPaths(int(i), camera, revision);
    return pieces;
}

QList<QPolygonF> MapPolylines::viewPaths(int index, MapCamera *camera, int) const {
    QList<QPolygonF> pieces;
    if (!camera || index < 0 || index >= m_world.size())
        return pieces;
    const QRectF area(-camera->width() / 2, -camera->height() / 2, camera->width() * 2,
                      camera->height() * 2);
    const QList<QPointF> &world = m_world.at(index);
    QPolygonF piece;
    QPointF previous, lastEnd;
    bool pending = false; // lastEnd was skipped as too close; the piece must still end there
    auto flush = [&] {
        if (pending && !piece.isEmpty() && piece.last() != lastEnd)
            piece.append(lastEnd);
        if (piece.size() > 1)
            pieces.append(piece);
        piece.clear();
        pending = false;
    };
    for (qsizetype i = 0; i < world.size(); ++i) {
        const QPointF point = camera->toView(world.at(i));
        QPointF a = previous, b = point;
        if (i > 0 && clip(area, a, b)) {
            if (piece.isEmpty() || a != lastEnd) {
                flush();
                piece.append(a);
            }
            pending = QLineF(piece.last(), b).length() < 1 && b == point;
            if (!pending)
                piece.append(b);
            lastEnd = b;
        } else if (i > 0) {
            flush();
        }
        previous = point;
    }
    flush();
    return pieces;
}
