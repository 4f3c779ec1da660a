#include "platform/TileStore.h"

#include "platform/ServiceAccess.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>

TileStore *TileStore::shared() {
    static TileStore *store = new TileStore(qApp);
    return store;
}

TileStore::TileStore(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_images(MemoryCacheKilobytes) {
    auto *cache = new QNetworkDiskCache(this);
    cache->setCacheDirectory(ServiceAccess::cachePath(QStringLiteral("tiles")));
    cache->setMaximumCacheSize(DiskCacheBytes);
    m_network->setCache(cache);
    m_template = defaultTemplate();
}

QString TileStore::defaultTemplate() {
    return ServiceAccess::setting("PACELOG_TILE_URL",
                                  QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png"));
}

void TileStore::setTemplate(const QString &urlTemplate) {
    if (urlTemplate == m_template)
        return;
    m_template = urlTemplate;
    m_images.clear();
    m_failedAt.clear();
    const QList<QNetworkReply *> replies = m_inFlight.values();
    m_inFlight.clear();
    for (QNetworkReply *reply : replies)
        reply->abort();
}

const QImage *TileStore::image(const Tile &tile) const {
    return m_images.object(tile.key());
}

void TileStore::want(const QList<Tile> &tiles) {
    m_wanted = tiles;
    QSet<quint64> keys;
    for (const Tile &tile : tiles)
        keys.insert(tile.key());
    for (auto it = m_inFlight.begin(); it != m_inFlight.end();) {
        QNetworkReply *reply = it.value();
        if (keys.contains(it.key())) {
            ++it;
            continue;
        }
        it = m_inFlight.erase(it);
        reply->abort();
    }
    startRequests();
}

void TileStore::startRequests() {
    if (m_template.isEmpty())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (const Tile &tile : std::as_const(m_wanted)) {
        if (m_inFlight.size() >= MaxInFlight)
            return;
        const quint64 key = tile.key();
        if (m_images.contains(key) || m_inFlight.contains(key) ||
            now - m_failedAt.value(key, now - RetryAfterMs) < RetryAfterMs)
            continue;
        fetch(tile, false);
    }
}

void TileStore::fetch(const Tile &tile, bool fromCacheOnly) {
    QString url = m_template;
    url.replace(QLatin1String("{z}"), QString::number(tile.z))
        .replace(QLatin1String("{x}"), QString::number(tile.x))
        .replace(QLatin1String("{y}"), QString::number(tile.y));
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::UserAgentHeader, ServiceAccess::userAgent());
    request.setTransferTimeout(20000);
    // Normally the cache answers only while the server's headers say the copy is fresh;
    // once the server is out of reach, any kept copy will do.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         fromCacheOnly ? QNetworkRequest::AlwaysCache
                                       : QNetworkRequest::PreferNetwork);
    QNetworkReply *reply = m_network->get(request);
    if (!fromCacheOnly)
        ++m_sent;
    m_inFlight.insert(tile.key(), reply);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, tile, fromCacheOnly] { finished(reply, tile, fromCacheOnly); });
}

void TileStore::finished(QNetworkReply *reply, const Tile &tile, bool fromCacheOnly) {
    reply->deleteLater();
    if (m_inFlight.value(tile.key()) == reply)
        m_inFlight.remove(tile.key());
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return;
    QImage image;
    if (reply->error() == QNetworkReply::NoError)
        image.loadFromData(reply->readAll());
    if (!image.isNull()) {
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        m_images.insert(tile.key(), new QImage(image), int(image.sizeInBytes() / 1024));
        emit tileArrived();
    } else if (!fromCacheOnly && reply->error() != QNetworkReply::NoError &&
               reply->error() < QNetworkReply::ContentAccessDenied) {
        fetch(tile, true); // out of reach: fall back on the disk cache
        return;
    } else {
        m_failedAt.insert(tile.key(), QDateTime::currentMSecsSinceEpoch());
    }
    startRequests();
}
