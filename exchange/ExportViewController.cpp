#include "exchange/ExportViewController.h"

#include "exchange/SessionExportFile.h"
#include "exchange/SpreadsheetExportFile.h"
#include "exchange/TextPreview.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/SaveFailureAlert.h"
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
      m_spreadsheetButton(new Outlet(this, QStringLiteral("Save Spreadsheet (CSV)"))),
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
    showExportText(QString());
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
    showExportText(m_dataString);
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
    // Mail has its own button; the sheet only saves.
    ShareSheet::instance()->present({}, {path}, ShareSheet::Mail | ShareSheet::CopyToPasteboard);
}

void ExportViewController::showExportText(const QString &text) {
    m_exportText = text;
    m_exportTextView->setText(TextPreview::of(text));
}

void ExportViewController::WriteTextFile() {
    // What the view holds goes out (all of it, where the view lays out only its start); the
    // file is read back and shown again, and a failed write or read stays silent.
    const QString path = SessionExportFile::temporaryPath();
    SessionExportFile::write(m_exportText, path);
    QFile file(path);
    const bool readBack = file.open(QIODevice::ReadOnly);
    if (readBack)
        showExportText(QString::fromUtf8(file.readAll()));
    file.close();
    MailComposer *composer = MailComposer::shared();
    if (!composer->canSendMail()) {
        AlertPresenter::instance()->present(this, QStringLiteral("Sending Email"),
                                            QStringLiteral("Email not Setup or Unavailable"));
        return;
    }
    // Without the file's bytes there is nothing to attach, and no mail.
    if (!readBack)
        return;
    MailMessage mail;
    mail.subject = QStringLiteral("Treadmill Update Text File");
    mail.body = QStringLiteral("Attachment: Treadmill Text File");
    mail.attachments = {path};
    composer->compose(mail);
}

void ExportViewController::SaveSpreadsheet() {
    Context &context = AppDelegate::shared()->persistentContainer();
    const QString text = SpreadsheetExportFile::build(context, AppState::instance()->isMiles());
    const QString path = SpreadsheetExportFile::temporaryPath();
    QString error;
    // Written whole or not at all: a half-written spreadsheet is never handed on.
    if (text.isEmpty() || !SessionExportFile::write(text, path, &error)) {
        const QString reason = text.isEmpty() ? context.lastError() : error;
        qWarning().noquote() << reason;
        SaveFailureAlert::present(this, reason);
        return;
    }
    ShareSheet::instance()->present({}, {path});
}
