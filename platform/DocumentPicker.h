#pragma once

#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QUrl>
#include <functional>

// Lets the person pick one document: a file dialog on the page asks, the controller gets the
// file's path back. With PACELOG_OPEN_FILE set, that file is the answer and no dialog opens.
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

    // Called by the dialog.
    Q_INVOKABLE void pick(const QUrl &file);
    Q_INVOKABLE void cancel();

signals:
    void openRequested();

private:
    DocumentPicker() = default;
    QPointer<QObject> m_owner;
    Picked m_picked;
};
