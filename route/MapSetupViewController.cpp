#include "route/MapSetupViewController.h"

#include "model/AppDelegate.h"
#include "model/MainLocations.h"
#include "model/SaveFailureAlert.h"
#include "platform/AlertPresenter.h"
#include "platform/Formatting.h"
#include "platform/Navigator.h"
#include "platform/NumberReading.h"

#include <QDebug>
#include <optional>

namespace {
const char *const RowNames[5] = {"starting city", "city 2", "city 3", "city 4", "finishing city"};

// Six fixed decimals in the locale's decimal style (40.76078 shows as 40.760780).
QString coordinateText(float value) {
    return Formatting::decimal(double(value), 6, 6);
}

// Empty is 0; otherwise a number with "." or, as shown on this screen, in the locale's style.
std::optional<float> coordinateValue(const QString &text) {
    if (text.isEmpty())
        return 0.0f;
    if (auto value = NumberReading::wholeFloat(text))
        return value;
    if (auto value = NumberReading::localeDecimal(text))
        return float(*value);
    return std::nullopt;
}
} // namespace

MapSetupViewController::MapSetupViewController(QObject *parent) : QObject(parent) {
    for (Outlet *&field : m_fields)
        field = new Outlet(this);
}

void MapSetupViewController::viewDidLoad() {
    const QList<MainLocations> list =
        AppDelegate::shared()->persistentContainer().fetchAs<MainLocations>(
            MainLocations::fetchRequest());
    if (list.isEmpty())
        return;
    const MainLocations &record = list.first();
    for (int n = 1; n <= 5; ++n) {
        nameField(n)->setText(record.cityName(n));
        latitudeField(n)->setText(coordinateText(record.cityLatitude(n)));
        longitudeField(n)->setText(coordinateText(record.cityLongitude(n)));
    }
}

void MapSetupViewController::SaveButtonCicked() {
    float coordinates[5][2];
    for (int n = 1; n <= 5; ++n) {
        for (int part = 0; part < 2; ++part) {
            Outlet *field = part == 0 ? latitudeField(n) : longitudeField(n);
            const std::optional<float> value = coordinateValue(field->text());
            if (!value) {
                const QString name = QString::fromLatin1(part == 0 ? "latitude" : "longitude");
                AlertPresenter::instance()->present(
                    this, QStringLiteral("Not a Number"),
                    QStringLiteral("The %1 of the %2 (\"%3\") is not a number. Type it in "
                                   "degrees, for example 40.760780.")
                        .arg(name, QString::fromLatin1(RowNames[n - 1]), field->text()));
                return;
            }
            coordinates[n - 1][part] = *value;
        }
    }

    Context &context = AppDelegate::shared()->persistentContainer();
    QString error;
    QList<MainLocations> results =
        context.fetchAs<MainLocations>(MainLocations::fetchRequest(), &error);
    if (error.isEmpty() && results.size() <= 1) {
        MainLocations record = results.isEmpty() ? MainLocations() : results.first();
        for (int n = 1; n <= 5; ++n) {
            record.setCityName(n, nameField(n)->text());
            record.setCityLatitude(n, coordinates[n - 1][0]);
            record.setCityLongitude(n, coordinates[n - 1][1]);
        }
        if (record.isInserted())
            context.change(record);
        else
            context.insert(record);
        if (!context.save(&error)) {
            qWarning().noquote() << "Can't Save" << error;
            SaveFailureAlert::present(this, error);
        }
    }
    Navigator::instance()->performSegue(QStringLiteral("unwindToMap"));
}
