#include "summary/TotalsReport.h"

namespace {

using Style = StyledText::Style;

const Style Plain{};
const Style Clear{Qt::transparent, QString(), 0, false};
const Style Title{Qt::black, QStringLiteral("Arial"), 18, true};
const Style Route{Qt::blue, QStringLiteral("Arial"), 14, true};

const QString BigGap = QStringLiteral("\n\n");
const QString SmallGap = QStringLiteral("\n");
const QString Rule(52, QLatin1Char('_'));

// The captions are padded so the values line up in a proportional font as well as they can.
void appendBlock(StyledText &report, const QString &prefix, const TotalsReport::Block &values) {
    const std::array<QString, 4> captions{
        prefix + QStringLiteral(" Cals:       "), prefix + QStringLiteral(" Fat Cals: "),
        prefix + QStringLiteral(" Miles:      "), prefix + QStringLiteral(" Laps:       ")};
    for (size_t i = 0; i < captions.size(); ++i) {
        report.append(captions[i] + values[i], Plain);
        report.append(i + 1 < captions.size() ? SmallGap : BigGap, Clear);
    }
}

void appendHeader(StyledText &report, const QString &header) {
    report.append(header, Plain);
    report.restyleFirst(header, Title);
}

} // namespace

StyledText TotalsReport::build(const Texts &texts) {
    StyledText report;
    report.append(QStringLiteral("Todays Date is: ") + texts.todaysDate, Plain);
    report.append(BigGap, Plain);
    report.append(texts.ltdHeader, Plain);
    report.restyle(0, report.text().size(), Title);
    report.append(BigGap, Clear);
    appendBlock(report, QStringLiteral("LTD"), texts.ltd);

    appendHeader(report, QStringLiteral("YTD Totals"));
    report.append(BigGap, Clear);
    appendBlock(report, QStringLiteral("YTD"), texts.ytd);

    appendHeader(report, QStringLiteral("MTD Totals"));
    report.append(BigGap, Clear);
    appendBlock(report, QStringLiteral("MTD"), texts.mtd);

    appendHeader(report, Rule);
    report.append(BigGap, Clear);

    report.append(texts.routeExplanation, Plain);
    report.restyleFirst(texts.routeExplanation, Route);
    report.append(BigGap, Clear);

    for (size_t i = 0; i < texts.legCaptions.size(); ++i) {
        report.append(texts.legCaptions[i], Plain);
        report.append(QStringLiteral("  -  "), Clear);
        report.append(texts.legStatus[i], Plain);
        if (i + 1 < texts.legCaptions.size())
            report.append(SmallGap, Clear);
    }
    return report;
}
