#pragma once

#include "platform/MapCamera.h"

#include <QPointer>
#include <QQuickPaintedItem>

// The map's background: the tiles the camera shows, at the tile zoom nearest to the camera's,
// scaled in between. While a tile is on its way, a coarser one already at hand stands in.
class MapTileLayer : public QQuickPaintedItem {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(MapCamera *camera READ camera WRITE setCamera NOTIFY cameraChanged)
    // The tile URL template; empty draws no tiles.
    Q_PROPERTY(QString urlTemplate READ urlTemplate WRITE setUrlTemplate NOTIFY urlTemplateChanged)
public:
    explicit MapTileLayer(QQuickItem *parent = nullptr);

    MapCamera *camera() const { return m_camera; }
    void setCamera(MapCamera *camera);
    QString urlTemplate() const { return m_template; }
    void setUrlTemplate(const QString &urlTemplate);

    void paint(QPainter *painter) override;

signals:
    void cameraChanged();
    void urlTemplateChanged();

private:
    void refresh();
    QPointer<MapCamera> m_camera;
    QString m_template;
};
