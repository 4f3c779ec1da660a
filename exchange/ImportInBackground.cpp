#include "exchange/ImportInBackground.h"

#include "exchange/SessionImport.h"
#include "model/AppDelegate.h"
#include "model/UndoService.h"
#include "platform/AlertPresenter.h"

#include <QCoreApplication>

void ImportInBackground::carryOn(std::unique_ptr<SessionImport> import, int sliceMilliseconds) {
    // Owned by the application: it ends with the import, or with the program.
    auto *runner = new ImportInBackground(std::move(import), sliceMilliseconds);
    runner->setParent(QCoreApplication::instance());
}

ImportInBackground::ImportInBackground(std::unique_ptr<SessionImport> import, int sliceMilliseconds)
    : m_import(std::move(import)), m_sliceMilliseconds(sliceMilliseconds) {
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &ImportInBackground::mergeSlice);
    m_slices.start();
}

ImportInBackground::~ImportInBackground() = default;

void ImportInBackground::mergeSlice() {
    m_import->mergeFor(AppDelegate::shared()->persistentContainer(), m_sliceMilliseconds);
    if (!m_import->atEnd())
        return;
    m_slices.stop();
    // Undone from whatever page shows now, as an import finished on its own screen is from the
    // page it returns to.
    UndoService::shared()->changed(m_import->takeUndo(), true);
    // The screen is gone, so the counts go into the alert itself.
    AlertPresenter::instance()->present(nullptr, QStringLiteral("Data Import"),
                                        m_import->resultMessage() + QStringLiteral("\n") +
                                            m_import->countsText());
    deleteLater();
}
