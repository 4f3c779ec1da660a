// The number and date readers: the input as a typed or stored text through every reader, what
// Formatting writes of a value read back to the same value, and the value as a stored date.
#include "FuzzStore.h"
#include "model/AttributeKind.h"
#include "platform/Formatting.h"
#include "platform/NumberReading.h"

#include <cmath>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    const QString text = QString::fromUtf8(bytes);
    // Both forms of the leading-number reader agree on text that is UTF-8 to begin with.
    const double leading = NumberReading::leadingNumber(text);
    if (text.toUtf8() == bytes)
        check(leading == NumberReading::leadingNumber(bytes) || std::isnan(leading));
    NumberReading::int16(text);
    const std::optional<float> single = NumberReading::wholeFloat(text);
    if (single && std::isfinite(*single))
        check(NumberReading::wholeFloat(Formatting::shortestFloat(*single)) == *single);
    for (const char *locale : {"en_US", "de_DE"}) {
        Formatting::setLocale(QLatin1String(locale));
        const std::optional<double> value = NumberReading::localeDecimal(text);
        if (value && std::isfinite(*value))
            check(NumberReading::localeDecimal(Formatting::decimal(*value, 0, 6)).has_value());
    }
    Formatting::setLocale(QStringLiteral("en_US"));
    // The number as a stored date-time (seconds since 1970) read back and shown as a date.
    if (const std::optional<double> seconds = NumberReading::wholeDouble(text)) {
        const QDateTime moment =
            AttributeKinds::loaded(AttributeKind::DateTime, *seconds).toDateTime();
        Formatting::mediumDate(moment);
        Formatting::monthDayYear(moment);
    }
    return 0;
}
