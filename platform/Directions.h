#pragma once

#include <QList>
#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>

class QNetworkAccessManager;
class QTimer;

// Road routes from the OSRM route service: GET {base}/route/v1/driving/{lon},{lat};{lon},{lat}
// ?overview=full&geometries=geojson, base from PACELOG_DIRECTIONS_URL. The public service is
// donated, so requests leave at most one a second (across the app) and each successful reply
// is kept on disk: a fresh one answers without asking, a stale one stands in when the service
// cannot be reached.
class Directions : public QObject {
    Q_OBJECT
public:
    // A route is its points as (latitude, longitude) pairs in QPointF(x = lat, y = lon);
    // empty when the service found none. `error` is set instead when the request failed.
    using Completion = std::function<void(const QList<QPointF> &route, const QString &error)>;

    explicit Directions(QObject *parent = nullptr);

    // Completions run on the main thread, in any order, and never after this object is gone.
    void calculate(double fromLatitude, double fromLongitude, double toLatitude, double toLongitude,
                   Completion completion);

    static QString baseUrl();
    // How long a kept reply is used without asking the service again.
    static constexpr qint64 FreshDays = 30;

private:
    struct Pending {
        QString coordinates; // "lon,lat;lon,lat"
        Completion completion;
    };
    void sendNext();
    void send(const Pending &pending);
    QString cacheFile(const QString &coordinates) const;
    static bool parse(const QByteArray &reply, QList<QPointF> *route, QString *error);

    QNetworkAccessManager *m_network;
    QTimer *m_pacer;
    QList<Pending> m_queue;
};
