#include "model/SaveFailureAlert.h"

#include "platform/AlertPresenter.h"

namespace {

QString message(const QString &error) {
    const QString kept = QStringLiteral(" Everything saved before is kept.");
    // SQLite's fixed texts for SQLITE_FULL and SQLITE_READONLY.
    if (error.contains(QLatin1String("database or disk is full")))
        return QStringLiteral("There is no room left on this device for this change. Free some "
                              "space, then save it again.") +
               kept;
    if (error.contains(QLatin1String("readonly database")))
        return QStringLiteral("Pacelog's data folder is read-only, so this change could not be "
                              "saved.") +
               kept;
    // What a write beyond the file size allowed, or a failing device, comes back as.
    if (error.contains(QLatin1String("disk I/O error")))
        return QStringLiteral("This device could not write the change (disk I/O error). Check "
                              "that it has free space, then save it again.") +
               kept;
    return QStringLiteral("This change could not be saved (%1).").arg(error.trimmed()) + kept;
}

} // namespace

void SaveFailureAlert::present(QObject *screen, const QString &error) {
    AlertPresenter::instance()->present(screen, QStringLiteral("Not Saved"), message(error));
}
