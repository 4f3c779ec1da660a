#include "platform/DocumentPicker.h"

#include <QTimer>

DocumentPicker *DocumentPicker::instance() {
    static DocumentPicker *picker = new DocumentPicker;
    return picker;
}

DocumentPicker *DocumentPicker::create(QQmlEngine *, QJSEngine *) {
    QQmlEngine::setObjectOwnership(instance(), QQmlEngine::CppOwnership);
    return instance();
}

void DocumentPicker::open(QObject *owner, Picked picked) {
    const QString answer = qEnvironmentVariable("PACELOG_OPEN_FILE");
    if (!answer.isEmpty()) {
        QTimer::singleShot(0, owner, [picked = std::move(picked), answer] { picked(answer); });
        return;
    }
    m_owner = owner;
    m_picked = std::move(picked);
    emit openRequested();
}

void DocumentPicker::pick(const QUrl &file) {
    Picked picked = std::exchange(m_picked, {});
    if (picked && m_owner)
        picked(file.isLocalFile() ? file.toLocalFile() : file.toString());
    m_owner = nullptr;
}

void DocumentPicker::cancel() {
    m_picked = {};
    m_owner = nullptr;
}
