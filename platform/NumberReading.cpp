#include "platform/NumberReading.h"

#include "platform/Formatting.h"

#include <memory>
#include <unicode/numfmt.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace {

// strtof under the C locale whatever the process locale is.
float cLocaleStrtof(const char *text, char **end) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtof_l(text, end, cLocale);
}

} // namespace

std::optional<float> NumberReading::wholeFloat(const QString &text) {
    if (text.isEmpty())
        return std::nullopt;
    const QChar first = text.front();
    if (first.isSpace() || first.unicode() < 0x20)
        return std::nullopt;
    const QByteArray bytes = text.toUtf8();
    char *end = nullptr;
    const float value = cLocaleStrtof(bytes.constData(), &end);
    if (end == bytes.constData() || *end != '\0')
        return std::nullopt;
    return value;
}

std::optional<double> NumberReading::wholeDouble(const QString &text) {
    if (text.isEmpty())
        return std::nullopt;
    const QChar first = text.front();
    if (first.isSpace() || first.unicode() < 0x20)
        return std::nullopt;
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const QByteArray bytes = text.toUtf8();
    char *end = nullptr;
    const double value = strtod_l(bytes.constData(), &end, cLocale);
    if (end == bytes.constData() || *end != '\0')
        return std::nullopt;
    return value;
}

double NumberReading::leadingNumber(const QString &text) {
    int i = 0;
    const int n = int(text.size());
    while (i < n && text.at(i).isSpace())
        ++i;
    const int start = i;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        ++i;
    int digits = 0;
    while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        while (i < n && text.at(i).isDigit() && text.at(i).unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    int end = i;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        if (j < n && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            ++j;
        int expDigits = 0;
        while (j < n && text.at(j).isDigit() && text.at(j).unicode() < 128) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    const QByteArray bytes = text.mid(start, end - start).toLatin1();
    char *stop = nullptr;
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(bytes.constData(), &stop, cLocale);
}

double NumberReading::leadingNumber(QByteArrayView utf8) {
    const qsizetype n = utf8.size();
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < n ? utf8.at(k) : '\0'; };
    while (i < n && (at(i) == ' ' || (at(i) >= '\t' && at(i) <= '\r')))
        ++i;
    // Other blanks are Unicode spaces: leave those to the QString reading.
    if (i < n && static_cast<unsigned char>(at(i)) >= 0x80)
        return leadingNumber(QString::fromUtf8(utf8));
    const qsizetype start = i;
    const auto digit = [&](qsizetype k) { return at(k) >= '0' && at(k) <= '9'; };
    if (at(i) == '+' || at(i) == '-')
        ++i;
    int digits = 0;
    for (; digit(i); ++i)
        ++digits;
    if (at(i) == '.') {
        for (++i; digit(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (at(i) == 'e' || at(i) == 'E') {
        qsizetype j = i + 1;
        if (at(j) == '+' || at(j) == '-')
            ++j;
        const qsizetype expStart = j;
        while (digit(j))
            ++j;
        if (j > expStart)
            end = j;
    }
    char buffer[64];
    QByteArray longer;
    const char *number = buffer;
    if (end - start < qsizetype(sizeof buffer)) {
        memcpy(buffer, utf8.data() + start, size_t(end - start));
        buffer[end - start] = '\0';
    } else {
        longer = utf8.sliced(start, end - start).toByteArray();
        number = longer.constData();
    }
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    return strtod_l(number, nullptr, cLocale);
}

std::optional<qint16> NumberReading::int16(const QString &text) {
    int i = 0;
    const int n = int(text.size());
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    qint64 value = 0;
    for (; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < '0' || c.unicode() > '9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 32768)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return qint16(value);
}

std::optional<double> NumberReading::localeDecimal(const QString &text) {
    if (text.isEmpty() || text.front().isSpace())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(Formatting::locale().toUtf8().constData());
    std::unique_ptr<icu::NumberFormat> format(
        icu::NumberFormat::createInstance(locale, UNUM_DECIMAL, status));
    if (U_FAILURE(status) || !format)
        return std::nullopt;
    const icu::UnicodeString source(reinterpret_cast<const UChar *>(text.utf16()),
                                    int32_t(text.size()));
    icu::Formattable result;
    icu::ParsePosition position(0);
    format->parse(source, result, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != source.length())
        return std::nullopt;
    status = U_ZERO_ERROR;
    const double value = result.getDouble(status);
    return U_SUCCESS(status) ? std::optional<double>(value) : std::nullopt;
}
