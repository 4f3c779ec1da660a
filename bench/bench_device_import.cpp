// Device import of a ten-year daily bulk export: 3,650 gzipped FIT files in one zip (each a
// file_id, an hour of records every second, a lap and a session), read, previewed and stored as
// `pacelog --import` does it; then the same export again, when every session is a duplicate.
#include "BenchClock.h"
#include "BenchReport.h"
#include "exchange/DeviceImportCommand.h"
#include "exchange/FitFileWriter.h"
#include "model/AppDelegate.h"
#include "model/Context.h"
#include "model/UserData.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <archive.h>
#include <archive_entry.h>
#include <cstdio>

namespace {

constexpr qint64 FitEpoch = 631065600;

// One morning run: 3,600 records (position, distance, speed, heart rate, cadence) under
// compressed timestamp headers, like a watch recording every second writes them.
QByteArray dailyRun(const QDate &day) {
    using F = FitFileWriter;
    const quint64 start = quint64(QDateTime(day, QTime(6, 30)).toSecsSinceEpoch() - FitEpoch);
    const quint64 metres = 5000 + quint64(day.dayOfYear()) * 10;
    F fit;
    fit.define(0, 0, {{0, 1, F::Enum}, {1, 2, F::UInt16}, {4, 4, F::UInt32}})
        .data(0, {4, 1, start});
    fit.define(1, 20, {{253, 4, F::UInt32}, {5, 4, F::UInt32}, {3, 1, F::UInt8}})
        .data(1, {start, 0, 90});
    fit.define(2, 20,
               {{0, 4, F::UInt32},
                {1, 4, F::UInt32},
                {5, 4, F::UInt32},
                {6, 2, F::UInt16},
                {3, 1, F::UInt8},
                {4, 1, F::UInt8}});
    for (quint64 i = 1; i <= 3600; ++i)
        fit.compressed(2, quint8((start + i) & 0x1F),
                       {477218588 + i * 40, 0x80000000 + i * 30, metres * 100 * i / 3600, 1389,
                        140 + i % 20, 85});
    fit.define(3, 19,
               {{253, 4, F::UInt32}, {2, 4, F::UInt32}, {9, 4, F::UInt32}, {11, 2, F::UInt16}})
        .data(3, {start + 3600, start, metres * 100, 400});
    fit.define(4, 18,
               {{253, 4, F::UInt32},
                {2, 4, F::UInt32},
                {5, 1, F::Enum},
                {6, 1, F::Enum},
                {9, 4, F::UInt32},
                {11, 2, F::UInt16}})
        .data(4, {start + 3600, start, 1, 1, metres * 100, 400});
    return fit.file();
}

qint64 writeExport(const QString &path, int days) {
    struct archive *zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_open_filename(zip, path.toLocal8Bit().constData());
    const QDate first(2015, 1, 1);
    qint64 plainBytes = 0;
    for (int i = 0; i < days; ++i) {
        const QByteArray fit = dailyRun(first.addDays(i));
        plainBytes += fit.size();
        const QByteArray packed = FitFileWriter::gzip(fit);
        const QByteArray name = "activities/" + QByteArray::number(100000 + i) + ".fit.gz";
        struct archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.constData());
        archive_entry_set_size(entry, packed.size());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_write_header(zip, entry);
        archive_write_data(zip, packed.constData(), size_t(packed.size()));
        archive_entry_free(entry);
    }
    archive_write_close(zip);
    archive_write_free(zip);
    return plainBytes;
}

} // namespace

using namespace BenchClock;

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const int days = argc > 1 ? QString::fromLatin1(argv[1]).toInt() : 3650;
    QTemporaryDir files;
    QTemporaryDir data;
    const QString zipPath = files.filePath(QStringLiteral("export.zip"));
    const qint64 plainBytes = writeExport(zipPath, days);
    std::printf("export: %d FIT files, %.1f MB unpacked, %.1f MB zipped\n", days,
                double(plainBytes) / 1e6, double(QFileInfo(zipPath).size()) / 1e6);

    AppDelegate::setDataDirectory(data.path());
    for (const char *round : {"into an empty store", "again (all duplicates)"}) {
        QString output;
        QTextStream out(&output);
        QString errors;
        QTextStream err(&errors);
        int status = 0;
        const Timing t = timed([&] {
            status = DeviceImportCommand::run({{zipPath}, false, false}, out, err);
        });
        const int stored =
            AppDelegate::shared()->persistentContainer().count(UserData::fetchRequest());
        std::printf("import %s: %.0f ms wall, %.0f ms CPU (exit %d, %lld rows, %d stored)%s%s\n",
                    round, t.wall, t.cpu, status, qlonglong(output.count(QLatin1Char('\n'))),
                    stored, errors.isEmpty() ? "" : " ", qPrintable(errors));
        BenchReport::add(QStringLiteral("device import ") + QLatin1String(round), days,
                         t.wall / 1000.0, QStringLiteral("s"), 10.0);
    }
    std::printf("peak resident memory: %ld MB\n", peakMegabytes());
    BenchReport::add(QStringLiteral("device import peak memory"), days, double(peakMegabytes()),
                     QStringLiteral("MB"), 200.0);
    return 0;
}
