#include "exchange/ExportViewController.h"

#include "exchange/SessionExportFile.h"
#include "exchange/TextPreview.h"
#include "model/AppDelegate.h"
#include "platform/AlertPresenter.h"
#include "platform/MailComposer.h"
#include "platform/ShareSheet.h"

#include <QDebug>
#include <QFile>
#include <QTimer>

ExportViewController::ExportViewController(QObject *parent)
    : QObject(parent), m_exportButton(new Outlet(this, QStringLiteral("Create Export File"))),
      m_saveButton(new Outlet(this, QStringLiteral("Save To Files"))),
      m_emailButton(new Outlet(this, QStringLiteral("Email File"))),
      m_exportTextView(new Outlet(this)), m_helpTextView(new Outlet(this)),
      m_activitySpinner(new Outlet(this)) {}

void ExportViewController::viewDidLoad() {
    m_helpTextView->setText(
        QStringLiteral("Step 1: Create the Export File\n") +
        QStringLiteral("Step 2: Option 1: Click 'Save To Files' button\n") + QString(13, u' ') +
        QStringLiteral("Option 2: Click the Email File button to email the file to yourself and "
                       "then from your email save the file to your iCloud Drive. There are size "
                       "limits to email attachments for most carriers."));
    m_exportButton->setEnabled(true);
    m_saveButton->setEnabled(false);
    m_emailButton->setEnabled(false);
    m_activitySpinner->setHidden(true);
}

void ExportViewController::CreateUpdateFile() {
    if (!m_exportButton->enabled())
        return;
    m_activitySpinner->setHidden(false);
    m_exportButton->setEnabled(false);
    m_exportTextView->setText(QString());
    // The alert's owner goes with a failed build, which cancels it.
    m_completion = std::make_unique<QObject>();
    AlertPresenter::instance()->presentLater(
        10000, m_completion.get(), QStringLiteral("Data Export"),
        QStringLiteral("Process Complete - File Ready to Save to Files or Email"));
    // The build waits one turn so the spinner is on screen while it runs.
    QTimer::singleShot(1, this, &ExportViewController::build);
}

void ExportViewController::build() {
    QString error;
    const std::optional<QString> text =
        SessionExportFile::build(AppDelegate::shared()->persistentContainer(), &error);
    if (!text) {
        // Half a log must not go out as if it were the whole one: no file, and the person is
        // told at once (the completion alert belongs to a finished file).
        qWarning().noquote() << "Export read failed:" << error;
        m_dataString.clear();
        emit dataStringChanged();
        m_completion.reset();
        m_activitySpinner->setHidden(true);
        m_exportButton->setEnabled(true);
        AlertPresenter::instance()->present(
            this, QStringLiteral("Data Export"),
            QStringLiteral("Not every session could be read from the store, so no export file "
                           "was made: ") +
                error);
        return;
    }
    m_dataString = *text;
    emit dataStringChanged();
    m_exportTextView->setText(TextPreview::of(m_dataString));
    QTimer::singleShot(1, this, [this] {
        m_emailButton->setEnabled(true);
        m_saveButton->setEnabled(true);
        m_exportButton->setEnabled(false);
        m_activitySpinner->setHidden(true);
    });
}

void ExportViewController::SaveToFiles() {
    const QString path = SessionExportFile::temporaryPath();
    QString error;
    if (!SessionExportFile::write(m_dataString, path, &error)) {
        qWarning().noquote() << error;
        return;
    }
    ShareSheet::instance()->present({}, {path});
}

void ExportViewController::WriteTextFile() {
    // The view may show only the start of a long file; the whole built text is what goes out.
    const QString path = SessionExportFile::temporaryPath();
    SessionExportFile::write(m_dataString, path);
    // The attachment is the file as written; one that cannot be read back is not sent.
    if (!QFile::exists(path))
        return;
    MailComposer *composer = MailComposer::shared();
    if (!composer->canSendMail()) {
        AlertPresenter::instance()->present(this, QStringLiteral("Sending Email"),
                                            QStringLiteral("Email not Setup or Unavailable"));
        return;
    }
    MailMessage mail;
    mail.subject = QStringLiteral("Treadmill Update Text File");
    mail.body = QStringLiteral("Attachment: Treadmill Text File");
    mail.attachments = {path};
    composer->compose(mail);
}
