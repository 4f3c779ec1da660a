#pragma once

#include "model/AppDelegate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

// Each fuzz run has a temporary data directory of its own (under $TMPDIR: `make fuzz` points it
// at /dev/shm, where the store's syncs cost nothing); a PACELOG_DATA_DIR of the user's is never
// touched.
namespace FuzzStore {

inline void setUp() {
    static int argc = 1;
    static char name[] = "pacelog-fuzz";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt SQL's connection list is gone before a static app would be.
    static QCoreApplication *app = new QCoreApplication(argc, argv);
    Q_UNUSED(app);
    // The readers report each bad line on the console; thousands of runs a second would drown
    // the fuzzer's own report.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "%s\n", qPrintable(message));
            std::abort();
        }
    });
    static QTemporaryDir temporary;
    AppDelegate::setDataDirectory(temporary.path());
}

// Each input starts from an empty store, so a finding replays from its input alone.
inline void emptyStore() {
    AppDelegate::setDataDirectory(AppDelegate::dataDirectory());
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(AppDelegate::storePath() + QLatin1String(suffix));
}

// A file in the data directory holding the input, for readers that take a path.
inline QString inputFile(const uint8_t *data, size_t size) {
    const QString path = QDir(AppDelegate::dataDirectory()).filePath(QStringLiteral("input"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    return path;
}

} // namespace FuzzStore

// Every target sets up alike; each target includes this header once.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    FuzzStore::setUp();
    return 0;
}
