#include "summary/DistanceBars.h"

#include "platform/Formatting.h"

#include <algorithm>
#include <cmath>

QList<QVariantMap> DistanceBars::rows(const QList<Bar> &bars) {
    double tallest = 0;
    for (const Bar &bar : bars) {
        if (std::isfinite(bar.value))
            tallest = std::max(tallest, bar.value);
    }
    QList<QVariantMap> out;
    out.reserve(bars.size());
    for (const Bar &bar : bars) {
        // A negative or unreadable figure draws no bar rather than one below the axis.
        const double share = tallest > 0 && std::isfinite(bar.value)
                                 ? std::clamp(bar.value / tallest, 0.0, 1.0)
                                 : 0.0;
        out.append({{QStringLiteral("label"), bar.label},
                    {QStringLiteral("valueText"), Formatting::decimal(bar.value, 0, 0, false)},
                    {QStringLiteral("fraction"), share},
                    {QStringLiteral("row"), bar.row}});
    }
    return out;
}
