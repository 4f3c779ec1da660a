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
    m_pickedMany = {};
    m_picked = std::move(picked);
    emit openRequested();
}

void DocumentPicker::ask(QObject *owner, PickedMany picked, void (DocumentPicker::*request)()) {
    const QString answer = qEnvironmentVariable("PACELOG_OPEN_FILES");
    if (!answer.isEmpty()) {
        const QStringList paths = answer.split(QLatin1Char(':'), Qt::SkipEmptyParts);
        QTimer::singleShot(0, owner, [picked = std::move(picked), paths] { picked(paths); });
        return;
    }
    m_owner = owner;
    m_picked = {};
    m_pickedMany = std::move(picked);
    emit(this->*request)();
}

void DocumentPicker::openMany(QObject *owner, PickedMany picked) {
    ask(owner, std::move(picked), &DocumentPicker::openManyRequested);
}

void DocumentPicker::openFolder(QObject *owner, PickedMany picked) {
    ask(owner, std::move(picked), &DocumentPicker::openFolderRequested);
}

void DocumentPicker::pickFolder(const QUrl &folder) {
    pickMany({folder});
}

void DocumentPicker::pickMany(const QList<QUrl> &files) {
    PickedMany picked = std::exchange(m_pickedMany, {});
    QStringList paths;
    for (const QUrl &file : files)
        paths << (file.isLocalFile() ? file.toLocalFile() : file.toString());
    if (picked && m_owner && !paths.isEmpty())
        picked(paths);
    m_owner = nullptr;
}

void DocumentPicker::pick(const QUrl &file) {
    Picked picked = std::exchange(m_picked, {});
    if (picked && m_owner)
        picked(file.isLocalFile() ? file.toLocalFile() : file.toString());
    m_owner = nullptr;
}

void DocumentPicker::cancel() {
    m_picked = {};
    m_pickedMany = {};
    m_owner = nullptr;
}
