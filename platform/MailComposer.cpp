#include "platform/MailComposer.h"

#include <QDebug>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocumentFragment>

namespace {

MailComposer *&installed() {
    static MailComposer *composer = nullptr;
    return composer;
}

// The program's full path, or empty when it is not there.
QString locate(const QString &program) {
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

} // namespace

MailComposer *MailComposer::shared() {
    if (installed())
        return installed();
    static MailComposer *desktop = new MailComposer;
    return desktop;
}

void MailComposer::setShared(MailComposer *composer) {
    installed() = composer;
}

QStringList MailComposer::command() {
    const QString custom = qEnvironmentVariable("PACELOG_MAILER");
    // A custom mailer may carry its own leading arguments ("sh fake-mailer.sh").
    return custom.isEmpty() ? QStringList{QStringLiteral("xdg-email")}
                            : QProcess::splitCommand(custom);
}

QStringList MailComposer::arguments(const MailMessage &message) {
    QStringList args;
    if (!message.subject.isEmpty())
        args << QStringLiteral("--subject") << message.subject;
    // xdg-email hands the body on as plain text, so an HTML body goes as the text it shows.
    args << QStringLiteral("--body")
         << (message.bodyIsHtml ? plainText(message.body) : message.body);
    for (const QString &file : message.attachments)
        args << QStringLiteral("--attach") << file;
    args << message.recipients;
    return args;
}

QString MailComposer::plainText(const QString &html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

bool MailComposer::canSendMail() const {
    const QStringList cmd = command();
    return !cmd.isEmpty() && !locate(cmd.first()).isEmpty();
}

void MailComposer::compose(const MailMessage &message, Completion completion) {
    QStringList cmd = command();
    const QString program = cmd.isEmpty() ? QString() : locate(cmd.takeFirst());
    if (program.isEmpty()) {
        if (completion)
            completion(false, QStringLiteral("No mail program found"));
        return;
    }
    auto *process = new QProcess(this);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(process, &QProcess::finished, this,
            [process, completion](int exitCode, QProcess::ExitStatus status) {
                const bool ok = status == QProcess::NormalExit && exitCode == 0;
                if (!ok)
                    qWarning().noquote() << "The mail program failed with status" << exitCode;
                if (completion)
                    completion(ok, ok ? QString() : QStringLiteral("The mail program failed"));
                process->deleteLater();
            });
    connect(process, &QProcess::errorOccurred, this,
            [process, completion](QProcess::ProcessError error) {
                if (error != QProcess::FailedToStart)
                    return;
                qWarning().noquote() << process->errorString();
                if (completion)
                    completion(false, process->errorString());
                process->deleteLater();
            });
    process->start(program, cmd + arguments(message));
}
