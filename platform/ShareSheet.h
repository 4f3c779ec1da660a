#pragma once

#include <QObject>
#include <QQmlEngine>
#include <QStringList>
#include <QUrl>
#include <functional>

// The desktop's share sheet: shared texts and files can be copied to the clipboard, mailed, or
// saved to a file chosen in a file dialog. With $PACELOG_SAVE_DIR set, shared files are saved
// into that folder at once under their own names, and "Save" writes there without a dialog.
// The popup `shareSheet` (ShareSheetPopup.qml) shows whatever is being shared.
class ShareSheet : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool showing READ showing NOTIFY showingChanged)
    Q_PROPERTY(QStringList items READ items NOTIFY showingChanged)
    Q_PROPERTY(QStringList texts READ texts NOTIFY showingChanged)
    Q_PROPERTY(QStringList files READ files NOTIFY showingChanged)
    Q_PROPERTY(bool canMail READ canMail NOTIFY showingChanged)
    Q_PROPERTY(bool offersCopy READ offersCopy NOTIFY showingChanged)
    Q_PROPERTY(bool offersMail READ offersMail NOTIFY showingChanged)
    Q_PROPERTY(QString proposedFileName READ proposedFileName NOTIFY showingChanged)
    Q_PROPERTY(QUrl proposedFile READ proposedFile NOTIFY showingChanged)
    Q_PROPERTY(QString saveDirectory READ saveDirectory CONSTANT)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
public:
    // The places besides saving that a share can go; a screen may leave some out.
    enum Activity { CopyToPasteboard = 0x1, Mail = 0x2 };
    Q_DECLARE_FLAGS(Activities, Activity)

    static ShareSheet *instance();
    static ShareSheet *create(QQmlEngine *, QJSEngine *);

    // Something can receive what is shared (the clipboard, a mail program or a file). Tests
    // replace the check; an empty function restores the real one.
    bool hasTarget() const;
    void setTargetCheck(std::function<bool()> check);

    // Shows the sheet with these texts and file paths (paths must exist), without the
    // `excluded` activities.
    void present(const QStringList &texts, const QStringList &files = {}, Activities excluded = {});

    bool showing() const { return m_showing; }
    QStringList items() const { return m_texts + m_files; }
    QStringList texts() const { return m_texts; }
    QStringList files() const { return m_files; }
    bool canMail() const;
    bool offersCopy() const { return !m_excluded.testFlag(CopyToPasteboard); }
    bool offersMail() const { return !m_excluded.testFlag(Mail); }
    // What the save dialog proposes: the shared file's name, else a text file.
    QString proposedFileName() const;
    // The proposed name in the person's documents folder.
    QUrl proposedFile() const;
    QString saveDirectory() const;
    // What the last action did, shown on the sheet ("Copied", "Saved to ...").
    QString status() const { return m_status; }

    Q_INVOKABLE void copyToClipboard();
    Q_INVOKABLE void mail();
    // Saves to the chosen place: a shared file is copied there (several files into its
    // folder under their own names), shared texts are written as lines.
    Q_INVOKABLE bool saveTo(const QUrl &target);
    // Saves into $PACELOG_SAVE_DIR; false when it is not set.
    Q_INVOKABLE bool saveToSaveDirectory();
    Q_INVOKABLE void dismiss();

signals:
    void showingChanged();
    void statusChanged();

private:
    ShareSheet() = default;
    void setStatus(const QString &status);
    bool copyFiles(const QString &directory);

    bool m_showing = false;
    QStringList m_texts;
    QStringList m_files;
    Activities m_excluded;
    QString m_status;
    std::function<bool()> m_targetCheck;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ShareSheet::Activities)
