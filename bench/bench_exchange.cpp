// Session export and import on a large log: the export of N sessions, and the import of that
// file (one save per line) into an empty store and into a store already holding its sessions.
#include "BenchClock.h"
#include "BenchReport.h"
#include "BenchSessions.h"
#include "exchange/SessionExportFile.h"
#include "exchange/SessionImport.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"

#include <QCoreApplication>
#include <QFile>
#include <memory>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// As the import screen does it: the file read as UTF-8, then merged line by line.
std::unique_ptr<SessionImport> importFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    QStringDecoder decoder(QStringDecoder::Utf8);
    auto import = std::make_unique<SessionImport>(decoder(file.readAll()));
    Context &context = AppDelegate::shared()->persistentContainer();
    while (!import->atEnd())
        import->mergeNext(context);
    return import;
}

} // namespace

using namespace BenchClock;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int n = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 100000;
    QTemporaryDir source;
    QTemporaryDir target;
    const QString path = source.filePath(QStringLiteral("Treadmill.csv"));

    AppDelegate::setDataDirectory(source.path());
    BenchSessions::fillImported(n);
    QString text;
    const Timing exported = timed([&] {
        text = SessionExportFile::build(AppDelegate::shared()->persistentContainer())
                   .value_or(QString());
        SessionExportFile::write(text, path);
    });
    std::printf("export of %d sessions: %.0f ms wall, %.0f ms CPU (%lld bytes)\n", n, exported.wall,
                exported.cpu, qlonglong(text.toUtf8().size()));
    BenchReport::add(QStringLiteral("export"), n, exported.wall / 1000.0, QStringLiteral("s"), 0.5);
    text.clear();
    text.squeeze();

    AppDelegate::setDataDirectory(target.path());
    for (const char *into : {"an empty store", "a store holding them"}) {
        int added = 0, updated = 0;
        const Timing t = timed([&] {
            const std::unique_ptr<SessionImport> import = importFile(path);
            added = import->added();
            updated = import->updated();
        });
        std::printf("import of %d lines into %s: %.0f ms wall, %.0f ms CPU (%d added, %d "
                    "updated)\n",
                    n, into, t.wall, t.cpu, added, updated);
        BenchReport::add(QStringLiteral("import into ") + QLatin1String(into), n, t.wall / 1000.0,
                         QStringLiteral("s"), 10.0);
    }
    std::printf("peak resident memory: %ld MB\n", peakMegabytes());
    BenchReport::add(QStringLiteral("exchange peak memory"), n, double(peakMegabytes()),
                     QStringLiteral("MB"), 200.0);
    return 0;
}
