#include "log/MasterTableViewCell.h"

#include "log/SessionRules.h"
#include "model/UserData.h"
#include "platform/Formatting.h"

MasterTableViewCell MasterTableViewCell::forSession(const UserData &session, bool miles) {
    return {firstLine(session), secondLine(session, miles)};
}

QString MasterTableViewCell::firstLine(const UserData &session) {
    const QDateTime treadDate = session.treadDate();
    if (treadDate.isValid())
        return Formatting::mediumDate(treadDate);
    const QString separator = QStringLiteral(" : ");
    return session.date() + separator + session.year() + separator +
           QString::number(session.imonth().value_or(0)) + separator +
           QString::number(session.iday().value_or(0));
}

QString MasterTableViewCell::secondLine(const UserData &session, bool miles) {
    const QString fat = SessionRules::fatCaloriesShown(session.fatCalories());
    // The two forms differ in the blanks after "Fat Cals:" as well as in the unit.
    if (miles) {
        return QStringLiteral("Cals: ") + session.calories() + QStringLiteral("  Fat Cals:  ") +
               fat + QStringLiteral("  Miles: ") + session.distance() + QStringLiteral("  Laps: ") +
               session.laps();
    }
    return QStringLiteral("Cals: ") + session.calories() + QStringLiteral("  Fat Cals: ") + fat +
           QStringLiteral("  km: ") + session.distance() + QStringLiteral("  Laps: ") +
           session.laps();
}
