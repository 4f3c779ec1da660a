#include "model/UndoService.h"

#include "model/AppDelegate.h"
#include "model/RowsCommand.h"
#include "model/SaveFailureAlert.h"

UndoService::UndoService() {
    m_offerTimer.setSingleShot(true);
    m_offerTimer.setInterval(OfferMilliseconds);
    connect(&m_offerTimer, &QTimer::timeout, this, &UndoService::dismiss);
}

UndoService *UndoService::shared() {
    static UndoService *service = new UndoService;
    return service;
}

UndoService *UndoService::create(QQmlEngine *, QJSEngine *) {
    UndoService *service = shared();
    QJSEngine::setObjectOwnership(service, QJSEngine::CppOwnership);
    return service;
}

RowsCommand *UndoService::aboutToChange(const QString &entity, const QList<qint64> &ids,
                                        const QString &text) {
    auto *command = new RowsCommand(entity, text);
    command->watch(AppDelegate::shared()->persistentContainer(), ids);
    return command;
}

void UndoService::changed(RowsCommand *command, bool saved, Offer when) {
    if (!command)
        return;
    if (!saved || command->isEmpty() || !command->isReadable()) {
        delete command;
        return;
    }
    m_stack.push(command);
    m_waitingForPage = when == Offer::OnNextPage;
    // Waiting, no seconds are spent behind a closing page or its report.
    if (m_waitingForPage)
        dismiss();
    else
        offer();
}

void UndoService::pageShown() {
    if (m_waitingForPage) {
        m_waitingForPage = false;
        offer();
    } else {
        dismiss();
    }
}

void UndoService::offer() {
    m_offerTimer.start();
    m_offered = true;
    emit offeredChanged(); // also when shown already: the text is the new change's
}

void UndoService::dismiss() {
    m_offerTimer.stop();
    if (m_offered) {
        m_offered = false;
        emit offeredChanged();
    }
}

bool UndoService::undo() {
    dismiss();
    m_waitingForPage = false;
    if (!m_stack.canUndo())
        return false;
    const auto *command = dynamic_cast<const RowsCommand *>(m_stack.command(m_stack.index() - 1));
    m_stack.undo();
    if (command && !command->succeeded()) {
        const QString error = command->error();
        // Nothing was put back; the history goes on holding the change as made.
        m_stack.redo();
        SaveFailureAlert::present(this, error);
        return false;
    }
    emit undone();
    return true;
}

void UndoService::clear() {
    dismiss();
    m_waitingForPage = false;
    m_stack.clear();
}
