#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// The three ways the system reads a number typed or stored as text.
class NumberReading {
public:
    // The whole text as a 32-bit float (strtof in the C locale). Empty text, a leading blank,
    // trailing characters or a decimal comma give no value.
    static std::optional<float> wholeFloat(const QString &text);

    // The same rule read in double precision, for sums kept as doubles.
    static std::optional<double> wholeDouble(const QString &text);

    // The leading decimal number of the text, after optional leading blanks; 0 when there is
    // none ("12abc" is 12, "--5" is 0).
    static double leadingNumber(const QString &text);
    // The same for UTF-8 bytes, without building a QString when the text starts in ASCII.
    static double leadingNumber(QByteArrayView utf8);
    static float leadingFloat(const QString &text) { return float(leadingNumber(text)); }

    // A number in the device locale's decimal style, as Formatting::decimal writes it
    // ("40.760780", "40,760780", "1.234,5"): the whole text must be read.
    static std::optional<double> localeDecimal(const QString &text);

    // Optional sign and digits only, within -32768..32767; anything else has no value.
    static std::optional<qint16> int16(const QString &text);
};
