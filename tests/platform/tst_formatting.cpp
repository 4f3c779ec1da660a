#include "platform/Formatting.h"
#include "platform/NumberReading.h"

#include <QtTest>

class FormattingTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Formatting::setLocale("en_US"); }

    void localeDependentTexts_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("medium");
        QTest::addColumn<QString>("grouped");
        QTest::addColumn<QString>("ungrouped");

        QTest::newRow("en_GB") << "en_GB"
                               << "5 Mar 2026"
                               << "12,345.50"
                               << "12345.678";
        QTest::newRow("de_DE") << "de_DE"
                               << "05.03.2026"
                               << "12.345,50"
                               << "12345,678";
    }
    void localeDependentTexts() {
        QFETCH(QString, locale);
        QFETCH(QString, medium);
        QFETCH(QString, grouped);
        QFETCH(QString, ungrouped);
        Formatting::setLocale(locale);
        // Late evening in New York: the day shown is the local one, not UTC's.
        QCOMPARE(Formatting::mediumDate(QDateTime(QDate(2026, 3, 5), QTime(22, 45))), medium);
        QCOMPARE(Formatting::decimal(12345.5, 2, 3), grouped);
        QCOMPARE(Formatting::decimal(12345.678, 2, 3, false), ungrouped);
    }

    void decimalRoundsHalfToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        // Binary-exact halves, so the rounding rule alone decides.
        QTest::newRow("down to even") << 0.0625 << "0.062";
        QTest::newRow("up to even") << 0.1875 << "0.188";
        QTest::newRow("negative") << -1234.5 << "-1,234.50";
    }
    void decimalRoundsHalfToEven() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Formatting::decimal(value, 2, 3), text);
    }

    // The entry and place export page tests show these texts, and a device import stores a
    // distance with three decimals; none takes the locale's comma.
    void floatAndFixedTextsIgnoreTheLocale() {
        Formatting::setLocale("de_DE");
        QCOMPARE(Formatting::shortestFloat(2.5f), QString("2.5"));
        QCOMPARE(Formatting::fixed2(2.5), QString("2.50"));
        QCOMPARE(Formatting::fixed3(3.1068559), QString("3.107"));
    }

    void wholeFloat_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<float>("value");
        QTest::newRow("decimal") << "12.5" << true << 12.5f;
        QTest::newRow("exponent") << "1e3" << true << 1000.0f;
        QTest::newRow("empty") << "" << false << 0.0f;
        QTest::newRow("leading blank") << " 12" << false << 0.0f;
        QTest::newRow("trailing blank") << "12 " << false << 0.0f;
        QTest::newRow("decimal comma") << "1,5" << false << 0.0f;
        QTest::newRow("lone minus") << "-" << false << 0.0f;
    }
    void wholeFloat() {
        QFETCH(QString, text);
        QFETCH(bool, readable);
        QFETCH(float, value);
        const auto read = NumberReading::wholeFloat(text);
        QCOMPARE(read.has_value(), readable);
        if (readable)
            QCOMPARE(*read, value);
    }

    void wholeFloatIgnoresTheProcessLocale() {
        const char *old = setlocale(LC_NUMERIC, nullptr);
        const std::string saved = old ? old : "C";
        if (setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr)
            QSKIP("de_DE locale not installed");
        QCOMPARE(NumberReading::wholeFloat("1.5").value_or(0), 1.5f);
        setlocale(LC_NUMERIC, saved.c_str());
    }

    // The one leading-number table: every total, the route and the yearly sums read a figure
    // this way, from text (QString) or from the store's UTF-8 bytes (the SQL sums).
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("leading blanks") << "  7.25 km" << 7.25;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("exponent") << "1e2x" << 100.0;
        QTest::newRow("bare e") << "2e" << 2.0;
        QTest::newRow("tab and plus sign") << "\t+2" << 2.0;
        QTest::newRow("leading no-break space") << QString::fromUtf8("\u00a07") << 7.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumberReading::leadingNumber(text), value);
        const QByteArray utf8 = text.toUtf8();
        QCOMPARE(NumberReading::leadingNumber(QByteArrayView(utf8)), value);
    }

    void int16_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // INT_MIN: no value
        const int none = std::numeric_limits<int>::min();
        QTest::newRow("largest") << "32767" << 32767;
        QTest::newRow("too large") << "32768" << none;
        QTest::newRow("smallest") << "-32768" << -32768;
        QTest::newRow("plus sign") << "+5" << 5;
        QTest::newRow("fraction") << "5.0" << none;
        QTest::newRow("blank") << " 5" << none;
        QTest::newRow("empty") << "" << none;
        QTest::newRow("huge") << "99999999999999999999" << none;
    }
    void int16() {
        QFETCH(QString, text);
        QFETCH(int, value);
        const auto read = NumberReading::int16(text);
        if (value == std::numeric_limits<int>::min())
            QVERIFY(!read.has_value());
        else
            QCOMPARE(int(read.value_or(-1)), value);
    }
};

QTEST_GUILESS_MAIN(FormattingTest)
#include "tst_formatting.moc"
