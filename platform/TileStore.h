#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>

class QNetworkAccessManager;
class QNetworkReply;

// Slippy-map tiles for every map of the app, fetched from the tile URL template ({z}, {x},
// {y}) with Qt Network. Replies go through an HTTP disk cache under the app's cache folder
// (size-limited, the servers' cache headers honoured); decoded tiles stay in a bounded memory
// cache. Only the tiles a map asks for are fetched, and a request for a tile that left the
// view is dropped.
class TileStore : public QObject {
    Q_OBJECT
public:
    struct Tile {
        int z, x, y;
        quint64 key() const { return (quint64(z) << 48) | (quint64(x) << 24) | quint64(y); }
    };

    static TileStore *shared();

    // PACELOG_TILE_URL when set (empty: no tiles), else the OpenStreetMap tile server.
    static QString defaultTemplate();
    void setTemplate(const QString &urlTemplate);
    QString urlTemplate() const { return m_template; }

    // The decoded tile, or nullptr while it is not at hand.
    const QImage *image(const Tile &tile) const;
    // The tiles a view shows now; others still in flight are dropped.
    void want(const QList<Tile> &tiles);

    int requestsSent() const { return m_sent; }
    int requestsInFlight() const { return int(m_inFlight.size()); }
    static constexpr qint64 DiskCacheBytes = 200 * 1024 * 1024;
    static constexpr int MemoryCacheKilobytes = 48 * 1024;

signals:
    void tileArrived();

private:
    explicit TileStore(QObject *parent = nullptr);
    void startRequests();
    void fetch(const Tile &tile, bool fromCacheOnly);
    void finished(QNetworkReply *reply, const Tile &tile, bool fromCacheOnly);

    QNetworkAccessManager *m_network;
    QString m_template;
    QCache<quint64, QImage> m_images;
    QList<Tile> m_wanted;
    QHash<quint64, QNetworkReply *> m_inFlight;
    QHash<quint64, qint64> m_failedAt;
    int m_sent = 0;
    static constexpr int MaxInFlight = 2;
    static constexpr qint64 RetryAfterMs = 30000;
};
