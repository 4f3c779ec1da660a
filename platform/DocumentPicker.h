#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QUrl>
#include <functional>

// Lets the person pick one document, or several: a file dialog on the page asks, the controller
// gets the paths back. With PACELOG_OPEN_FILE set, that file is the answer to a one-file pick;
// with PACELOG_OPEN_FILES=PATH[:PATH...], those paths answer a pick of several. No dialog opens.
class DocumentPicker : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
public:
    static DocumentPicker *instance();
    static DocumentPicker *create(QQmlEngine *, QJSEngine *);

    using Picked = std::function<void(const QString &path)>;
    // `picked` runs on a later turn with the chosen file's path, unless the person cancels or
    // `owner` is gone by then.
    void open(QObject *owner, Picked picked);
    using PickedMany = std::function<void(const QStringList &paths)>;
    // The same for several files at once.
    void openMany(QObject *owner, PickedMany picked);
    // The same for a folder (PACELOG_OPEN_FILES answers it too).
    void openFolder(QObject *owner, PickedMany picked);

    // Called by the dialog.
    Q_INVOKABLE void pick(const QUrl &file);
    Q_INVOKABLE void pickMany(const QList<QUrl> &files);
    Q_INVOKABLE void pickFolder(const QUrl &folder);
    Q_INVOKABLE void cancel();

signals:
    void openRequested();
    void openManyRequested();
    void openFolderRequested();

private:
    DocumentPicker() = default;
    // Answers from PACELOG_OPEN_FILES, else stores `picked` and asks the page's dialog.
    void ask(QObject *owner, PickedMany picked, void (DocumentPicker::*request)());
    QPointer<QObject> m_owner;
    Picked m_picked;
    PickedMany m_pickedMany;
};
