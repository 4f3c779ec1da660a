#pragma once

#include "platform/MapCamera.h"

#include <QList>
#include <QObject>
#include <QPolygonF>
#include <QQmlEngine>
#include <QVariantList>

// The map's lines, kept as world points so that each frame only scales, moves and clips them
// to the view: what a Shape draws is the part near the view, without points closer than a
// pixel apart.
class MapPolylines : public QObject {
    Q_OBJECT
    QML_ELEMENT
    // Lines as the map item receives them: arrays of {latitude, longitude}.
    Q_PROPERTY(QVariantList lines READ lines WRITE setLines NOTIFY linesChanged)
    // Or lines read from a text file: one line a row, "latitude,longitude" pairs separated by
    // blanks; rows starting with "#" are notes.
    Q_PROPERTY(QString source READ source WRITE setSource NOTIFY linesChanged)
    Q_PROPERTY(int count READ count NOTIFY linesChanged)
public:
    using QObject::QObject;

    QVariantList lines() const { return m_lines; }
    void setLines(const QVariantList &lines);
    QString source() const { return m_source; }
    void setSource(const QString &path);
    int count() const { return int(m_world.size()); }

    // Line `index` as pieces of view points (for a PathMultiline).
    Q_INVOKABLE QList<QPolygonF> viewPaths(int index, MapCamera *camera, int revision = 0) const;
    // Every line's pieces together, for one Shape that draws them all alike.
    Q_INVOKABLE QList<QPolygonF> allViewPaths(MapCamera *camera, int revision = 0) const;

signals:
    void linesChanged();

private:
    QVariantList m_lines;
    QString m_source;
    QList<QList<QPointF>> m_world;
};
