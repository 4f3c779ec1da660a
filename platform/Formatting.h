#pragma once

#include <QDateTime>
#include <QString>

// The one place where dates and numbers become text. Every screen goes through here so the
// device locale and time zone are honoured the same way everywhere.
class Formatting {
public:
    // Locale name in ICU form ("en_US", "de_DE"). Defaults to the environment (LC_ALL, LANG).
    static void setLocale(const QString &icuLocale);
    static QString locale();

    // Medium date style, no time part, device locale and time zone ("Mar 5, 2026").
    static QString mediumDate(const QDateTime &moment);
    // Short numeric date "MM/dd/yyyy" in the device time zone.
    static QString monthDayYear(const QDateTime &moment);

    // Decimal style, half-even rounding, with the given fraction digits and grouping.
    static QString decimal(double value, int minFraction, int maxFraction, bool grouping = true);

    // Shortest text that reads back as the same 32-bit float; ".0" after a whole number.
    static QString shortestFloat(float value);
    // Shortest round-trip text without the ".0" suffix ("31.171967", "100").
    static QString shortestFloatPlain(float value);

    // printf "%.2f" in the C locale, whatever the process locale ("14.00", never "14,00").
    static QString fixed2(double value);
    // printf "%.3f" in the C locale, whatever the process locale.
    static QString fixed3(double value);
};
