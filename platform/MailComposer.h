#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

// One mail as the composer is handed it.
struct MailMessage {
    QStringList recipients;
    QString subject;
    QString body;
    bool bodyIsHtml = false;
    // Paths of the files to attach; each must exist while the mail program runs.
    QStringList attachments;
};

// Hands a mail to the desktop's mail composer: `xdg-email`, or the command in $PACELOG_MAILER,
// run with xdg-email's arguments. Tests install a double with setShared().
class MailComposer : public QObject {
    Q_OBJECT
public:
    // handedOver: the mail program took the mail (it exited with status 0).
    using Completion = std::function<void(bool handedOver, const QString &error)>;

    static MailComposer *shared();
    // nullptr brings back the desktop composer.
    static void setShared(MailComposer *composer);

    // The mail program is there; screens show their "cannot send" alert otherwise.
    virtual bool canSendMail() const;
    // Starts the mail program and returns at once; the completion runs on the main thread when
    // the program has finished.
    virtual void compose(const MailMessage &message, Completion completion = {});

    // The program and the arguments it is run with, in xdg-email's order: --subject (when
    // there is one), --body (always plain text), --attach for each file, then the recipients.
    static QStringList command();
    static QStringList arguments(const MailMessage &message);
    // What a mail program shows of an HTML body.
    static QString plainText(const QString &html);

protected:
    using QObject::QObject;
};
