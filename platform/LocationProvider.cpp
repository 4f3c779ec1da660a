#include "platform/LocationProvider.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace {
QPointer<LocationProvider> s_shared;
}

LocationProvider *LocationProvider::shared() {
    if (!s_shared)
        s_shared = new LocationProvider(qApp);
    return s_shared;
}

void LocationProvider::setShared(LocationProvider *provider) {
    s_shared = provider;
}

void LocationProvider::startUpdatingLocation() {
    if (m_updating)
        return;
    m_updating = true;
    // One update, on a later turn as a real service would deliver it.
    QTimer::singleShot(0, this, [this] {
        if (!m_updating)
            return;
        const QStringList parts = qEnvironmentVariable("PACELOG_LOCATION").split(QLatin1Char(','));
        bool latOk = false, lonOk = false;
        const double latitude = parts.value(0).toDouble(&latOk);
        const double longitude = parts.value(1).toDouble(&lonOk);
        const bool valid = parts.size() == 2 && latOk && lonOk;
        emit didUpdateLocation(valid ? latitude : 0, valid ? longitude : 0, valid);
    });
}

void LocationProvider::stopUpdatingLocation() {
    m_updating = false;
}
