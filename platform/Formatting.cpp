#include "platform/Formatting.h"

#include <charconv>
#include <memory>

#include <unicode/datefmt.h>
#include <unicode/decimfmt.h>
#include <unicode/locid.h>
#include <unicode/numfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace {

QString environmentLocale() {
    for (const char *name : {"LC_ALL", "LC_TIME", "LANG"}) {
        QByteArray value = qgetenv(name);
        if (value.isEmpty())
            continue;
        QString text = QString::fromLatin1(value);
        text = text.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        if (text == QLatin1String("C") || text == QLatin1String("POSIX"))
            return QStringLiteral("en_US_POSIX");
        return text;
    }
    return QStringLiteral("en_US");
}

QString &currentLocale() {
    static QString name = environmentLocale();
    return name;
}

QString toQString(const icu::UnicodeString &text) {
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

icu::Locale icuLocale() {
    return icu::Locale(currentLocale().toUtf8().constData());
}

// The time zone follows TZ at the moment of formatting, as the device's would.
icu::TimeZone *deviceZone() {
    return icu::TimeZone::detectHostTimeZone();
}

} // namespace

void Formatting::setLocale(const QString &icuLocaleName) {
    currentLocale() = icuLocaleName;
}

QString Formatting::locale() {
    return currentLocale();
}

QString Formatting::mediumDate(const QDateTime &moment) {
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, icuLocale()));
    if (!format)
        return moment.date().toString(Qt::ISODate);
    format->adoptTimeZone(deviceZone());
    icu::UnicodeString out;
    format->format(static_cast<UDate>(moment.toMSecsSinceEpoch()), out);
    return toQString(out);
}

QString Formatting::monthDayYear(const QDateTime &moment) {
    return moment.toLocalTime().date().toString(QStringLiteral("MM/dd/yyyy"));
}

QString Formatting::decimal(double value, int minFraction, int maxFraction, bool grouping) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::NumberFormat> format(
        icu::NumberFormat::createInstance(icuLocale(), UNUM_DECIMAL, status));
    if (U_FAILURE(status) || !format)
        return QString::number(value, 'f', maxFraction);
    format->setMinimumFractionDigits(minFraction);
    format->setMaximumFractionDigits(maxFraction);
    format->setGroupingUsed(grouping);
    format->setRoundingMode(icu::NumberFormat::kRoundHalfEven);
    icu::UnicodeString out;
    format->format(value, out);
    return toQString(out);
}

QString Formatting::shortestFloatPlain(float value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString Formatting::shortestFloat(float value) {
    QString text = shortestFloatPlain(value);
    bool plainDigits = true;
    for (QChar c : text) {
        if (!c.isDigit() && c != QLatin1Char('-')) {
            plainDigits = false;
            break;
        }
    }
    if (plainDigits)
        text += QLatin1String(".0");
    return text;
}

QString Formatting::fixed2(double value) {
    // to_chars is printf's "%.2f" in the C locale whatever the process locale is: a stored
    // figure reads "14.00" on a German desktop too. (DBL_MAX has 309 digits before the point.)
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 2);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

QString Formatting::fixed3(double value) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, 3);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}
