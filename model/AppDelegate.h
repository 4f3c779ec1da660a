#pragma once

#include "model/Context.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

// The application object: owns the data directory and the shared store context.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    static AppDelegate *shared();

    // The shared context, created and loaded on first use. A store that cannot be loaded
    // stops the program.
    Context &persistentContainer();
    bool hasPersistentContainer() const { return m_container != nullptr; }
    // A separate connection on the same store for bulk work; it stops the program the same way.
    std::unique_ptr<Context> newContainer();
    // Saves the shared context when it holds changes; a failure stops the program.
    void saveChanges();
    // A write on the shared context whose failure the program cannot go on from (a deletion
    // that cannot be saved): "Unresolved error" with the store's details.
    [[noreturn]] static void stopOnStoreError(const QString &error);

    // Where the store and settings live: --data-dir, else $PACELOG_DATA_DIR, else the
    // platform's application data location. Changing it drops the shared context.
    static void setDataDirectory(const QString &directory);
    static QString dataDirectory();
    static QString storePath();

    // "Unresolved error <error>, <details>", then the explanation for a person, and a non-zero
    // exit. Tests may catch it instead.
    [[noreturn]] static void unresolvedError(const QString &error, const QString &details,
                                             const QString &explanation = QString());
    using FatalHandler = std::function<void(const QString &message)>;
    static void setFatalHandler(FatalHandler handler);
    // Shown the explanation just before the program stops (a dialog, where there is a screen).
    using StopNotice = std::function<void(const QString &explanation)>;
    static void setStopNotice(StopNotice notice);

private:
    AppDelegate() = default;
    std::unique_ptr<Context> openContext();
    std::unique_ptr<Context> m_container;
};
