#include "platform/Directions.h"

#include "platform/ServiceAccess.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

namespace {
// The earliest moment the next request may leave, shared by every Directions object.
qint64 s_nextSend = 0;
constexpr int Spacing = 1000;

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

Directions::Directions(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this)), m_pacer(new QTimer(this)) {
    m_pacer->setSingleShot(true);
    connect(m_pacer, &QTimer::timeout, this, &Directions::sendNext);
}

QString Directions::baseUrl() {
    return ServiceAccess::setting("PACELOG_DIRECTIONS_URL",
                                  QStringLiteral("https://router.project-osrm.org"));
}

void Directions::calculate(double fromLatitude, double fromLongitude, double toLatitude,
                           double toLongitude, Completion completion) {
    auto number = [](double v) { return QString::number(v, 'f', 6); };
    const QString coordinates = number(fromLongitude) + QLatin1Char(',') + number(fromLatitude) +
                                QLatin1Char(';') + number(toLongitude) + QLatin1Char(',') +
                                number(toLatitude);
    const QFileInfo kept(cacheFile(coordinates));
    QList<QPointF> route;
    QString error;
    if (kept.exists() && kept.lastModified().daysTo(QDateTime::currentDateTime()) < FreshDays &&
        parse(readFile(kept.filePath()), &route, &error)) {
        // Answered on a later turn, as the service would.
        QTimer::singleShot(0, this, [route, completion] { completion(route, QString()); });
        return;
    }
    m_queue.append({coordinates, std::move(completion)});
    sendNext();
}

void Directions::sendNext() {
    if (m_queue.isEmpty() || m_pacer->isActive())
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now < s_nextSend) {
        m_pacer->start(int(s_nextSend - now));
        return;
    }
    s_nextSend = now + Spacing;
    send(m_queue.takeFirst());
    if (!m_queue.isEmpty())
        m_pacer->start(Spacing);
}

void Directions::send(const Pending &pending) {
    QNetworkRequest request(QUrl(baseUrl() + QStringLiteral("/route/v1/driving/") +
                                 pending.coordinates +
                                 QStringLiteral("?overview=full&geometries=geojson")));
    request.setHeader(QNetworkRequest::UserAgentHeader, ServiceAccess::userAgent());
    request.setTransferTimeout(20000);
    QNetworkReply *reply = m_network->get(request);
    const QString file = cacheFile(pending.coordinates);
    const Completion completion = pending.completion;
    connect(reply, &QNetworkReply::finished, this, [reply, file, completion] {
        reply->deleteLater();
        const QByteArray body = reply->readAll();
        QList<QPointF> route;
        QString error = reply->error() == QNetworkReply::NoError ? QString() : reply->errorString();
        if (error.isEmpty() && parse(body, &route, &error)) {
            QSaveFile out(file);
            if (out.open(QIODevice::WriteOnly)) {
                out.write(body);
                out.commit();
            }
            completion(route, QString());
            return;
        }
        // The service is unreachable or refused: a reply kept from before still draws the leg.
        QList<QPointF> kept;
        QString ignored;
        if (parse(readFile(file), &kept, &ignored))
            completion(kept, QString());
        else
            completion({}, error);
    });
}

QString Directions::cacheFile(const QString &coordinates) const {
    const QByteArray key =
        QCryptographicHash::hash(coordinates.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(ServiceAccess::cachePath(QStringLiteral("directions")))
        .filePath(QString::fromLatin1(key) + QStringLiteral(".json"));
}

bool Directions::parse(const QByteArray &reply, QList<QPointF> *route, QString *error) {
    QJsonParseError jsonError;
    const QJsonObject root = QJsonDocument::fromJson(reply, &jsonError).object();
    if (jsonError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("The route service's reply is not readable (%1)")
                     .arg(jsonError.errorString());
        return false;
    }
    const QString code = root.value(QStringLiteral("code")).toString();
    if (code != QLatin1String("Ok")) {
        *error = QStringLiteral("The route service answered \"%1\"").arg(code);
        return false;
    }
    route->clear();
    const QJsonArray routes = root.value(QStringLiteral("routes")).toArray();
    const QJsonArray points = routes.at(0)
                                  .toObject()
                                  .value(QStringLiteral("geometry"))
                                  .toObject()
                                  .value(QStringLiteral("coordinates"))
                                  .toArray();
    route->reserve(points.size());
    for (const QJsonValue &point : points) {
        const QJsonArray pair = point.toArray();
        if (pair.size() >= 2)
            route->append(QPointF(pair.at(1).toDouble(), pair.at(0).toDouble()));
    }
    return true;
}
