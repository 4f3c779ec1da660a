// Gathers the figures every benchmark program wrote into one table and one results file.
//
//   bench_report FIGURES_DIR RESULTS_JSON
//
// Exits non-zero when there are no figures at all, so a run where nothing was measured does
// not pass for a good one.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace {

QString shortNumber(double value) {
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: bench_report FIGURES_DIR RESULTS_JSON\n");
        return 2;
    }
    const QDir figuresDir(args.at(1));
    QJsonArray all;
    for (const QString &name :
         figuresDir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name)) {
        QFile file(figuresDir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        for (const QJsonValue &f :
             QJsonDocument::fromJson(file.readAll()).object().value("figures").toArray())
            all.append(f);
    }

    std::printf("%-26s %9s %10s %-4s %10s %12s %s\n", "figure", "sessions", "value", "unit",
                "target", "x floor", "within target");
    int missed = 0;
    for (const QJsonValue &v : std::as_const(all)) {
        const QJsonObject f = v.toObject();
        const double value = f.value("value").toDouble();
        const double target = f.value("target").toDouble();
        const bool within = value <= target;
        missed += !within;
        const QString ratio = f.contains("floor") && f.value("floor").toDouble() > 0
                                  ? shortNumber(value / f.value("floor").toDouble()) + "x"
                                  : QString();
        std::printf("%-26s %9d %10s %-4s %10s %12s %s\n", qPrintable(f.value("name").toString()),
                    f.value("sessions").toInt(), qPrintable(shortNumber(value)),
                    qPrintable(f.value("unit").toString()), qPrintable(shortNumber(target)),
                    qPrintable(ratio), within ? "yes" : "NO");
    }
    std::printf("%lld figures, %d outside their target\n", qlonglong(all.size()), missed);

    QFile results(args.at(2));
    if (!results.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    results.write(QJsonDocument(QJsonObject{{"figures", all}}).toJson());
    return all.isEmpty() ? 1 : 0;
}
