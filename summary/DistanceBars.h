#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// The bars of a distance chart: each bar's caption, its figure, its height as a share of the
// tallest bar (0..1) and the table row a tap on it stands for.
namespace DistanceBars {

struct Bar {
    QString label;
    double value = 0;
    int row = -1;
};

QList<QVariantMap> rows(const QList<Bar> &bars);

} // namespace DistanceBars
