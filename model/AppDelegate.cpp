#include "model/AppDelegate.h"

#include "model/AppState.h"
#include "model/Settings.h"
#include "model/StoreCheck.h"
#include "model/UndoService.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

QString &configuredDirectory() {
    static QString directory;
    return directory;
}

AppDelegate::FatalHandler &fatalHandler() {
    static AppDelegate::FatalHandler handler;
    return handler;
}

AppDelegate::StopNotice &stopNotice() {
    static AppDelegate::StopNotice notice;
    return notice;
}

} // namespace

AppDelegate *AppDelegate::shared() {
    static AppDelegate *instance = new AppDelegate;
    return instance;
}

void AppDelegate::setDataDirectory(const QString &directory) {
    configuredDirectory() = directory;
    shared()->m_container.reset();
    UndoService::shared()->clear(); // its changes belong to the store just closed
    Settings::standard().reload();
    AppState::instance()->reset();
}

QString AppDelegate::dataDirectory() {
    QString dir = configuredDirectory();
    if (dir.isEmpty())
        dir = qEnvironmentVariable("PACELOG_DATA_DIR");
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return dir;
}

QString AppDelegate::storePath() {
    return QDir(dataDirectory()).filePath(QStringLiteral("Pacelog.sqlite"));
}

void AppDelegate::setFatalHandler(FatalHandler handler) {
    fatalHandler() = std::move(handler);
}

void AppDelegate::setStopNotice(StopNotice notice) {
    stopNotice() = std::move(notice);
}

void AppDelegate::unresolvedError(const QString &error, const QString &details,
                                  const QString &explanation) {
    const QString message =
        QStringLiteral("Unresolved error ") + error + QStringLiteral(", ") + details;
    if (fatalHandler()) {
        fatalHandler()(message);
        // A handler that returns must not let the caller carry on with a broken store.
        throw std::runtime_error(message.toStdString());
    }
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (!explanation.isEmpty())
        std::fprintf(stderr, "%s\n", explanation.toLocal8Bit().constData());
    std::fflush(stderr);
    if (stopNotice() && !explanation.isEmpty())
        stopNotice()(explanation);
    std::_Exit(1);
}

std::unique_ptr<Context> AppDelegate::openContext() {
    QDir().mkpath(dataDirectory());
    const QString details =
        QStringLiteral("{filePath = \"%1\"; reason = \"store could not be loaded\"}")
            .arg(storePath());
    // The first open of a run looks at the file read-only before anything can write to it;
    // later connections in the same run open a file already found sound.
    if (!m_container) {
        const StoreCheck::Result check = StoreCheck::inspect(storePath());
        if (!check.ok)
            unresolvedError(check.error, details, check.explanation);
    }
    auto context = std::make_unique<Context>(storePath());
    QString error;
    if (!context->open(&error))
        unresolvedError(error, details,
                        QStringLiteral("Pacelog stopped: its store \"%1\" could not be opened. "
                                       "Check that the folder exists and can be written to, "
                                       "then start Pacelog again.")
                            .arg(storePath()));
    return context;
}

Context &AppDelegate::persistentContainer() {
    if (!m_container)
        m_container = openContext();
    return *m_container;
}

std::unique_ptr<Context> AppDelegate::newContainer() {
    return openContext();
}

void AppDelegate::saveChanges() {
    if (!m_container || !m_container->hasChanges())
        return;
    QString error;
    if (!m_container->save(&error))
        stopOnStoreError(error);
}

void AppDelegate::stopOnStoreError(const QString &error) {
    unresolvedError(error, QStringLiteral("{filePath = \"%1\"}").arg(storePath()),
                    QStringLiteral("Pacelog stopped: a change could not be written to its store "
                                   "\"%1\". Everything saved before it is kept. Check that the "
                                   "device has free space and that the folder can be written "
                                   "to, then start Pacelog again.")
                        .arg(storePath()));
}
