#include "model/DatePickerStyle.h"

#include "model/Settings.h"

QString DatePickerStyle::fromSettings() {
    const Settings &settings = Settings::standard();
    QString style = QStringLiteral("automatic");
    if (settings.boolForKey(QStringLiteral("UseDateWheel")))
        style = QStringLiteral("wheel");
    if (settings.boolForKey(QStringLiteral("UseDateCompact")))
        style = QStringLiteral("compact");
    if (settings.boolForKey(QStringLiteral("UseDateInline")))
        style = QStringLiteral("inline");
    return style;
}
