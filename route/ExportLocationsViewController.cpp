#include "route/ExportLocationsViewController.h"

#include "model/AppDelegate.h"
#include "platform/AlertPresenter.h"
#include "platform/AppLinks.h"
#include "platform/MailComposer.h"
#include "platform/TemporaryDirectory.h"
#include "route/LocationsExportFile.h"

#include <QFile>
#include <QSaveFile>

ExportLocationsViewController::ExportLocationsViewController(QObject *parent)
    : QObject(parent), m_textView(new Outlet(this)),
      m_createFileButton(new Outlet(this, QStringLiteral("Create File"))),
      m_emailFileButton(new Outlet(this, QStringLiteral("Email File"))) {}

void ExportLocationsViewController::viewDidLoad() {}

QString ExportLocationsViewController::filePath() {
    return TemporaryDirectory::filePath(QStringLiteral("LocationsExport.txt"));
}

void ExportLocationsViewController::CreateTextFile() {
    QString error;
    const std::optional<QString> text =
        LocationsExportFile::build(AppDelegate::shared()->persistentContainer(), &error);
    if (!text) {
        // A cut list of places must not go out as the whole one.
        m_textView->setText(QString());
        AlertPresenter::instance()->present(
            this, QStringLiteral("Data Export"),
            QStringLiteral("Not every place could be read from the store, so no export file "
                           "was made: ") +
                error);
        return;
    }
    m_textView->setText(*text);
    AlertPresenter::instance()->presentLater(
        5000, this, QStringLiteral("Data Export"),
        QStringLiteral("Process Complete - File Ready to Email"));
}

void ExportLocationsViewController::EmailFile() {
    // Whatever the view shows goes out, built or not; failed writes and reads stay silent.
    QSaveFile out(filePath());
    if (out.open(QIODevice::WriteOnly)) {
        out.write(m_textView->text().toUtf8());
        out.commit();
    }
    QFile file(filePath());
    const bool readBack = file.open(QIODevice::ReadOnly);
    const QByteArray bytes = readBack ? file.readAll() : QByteArray();
    if (readBack)
        m_textView->setText(QString::fromUtf8(bytes));
    MailComposer *composer = MailComposer::shared();
    if (!composer->canSendMail()) {
        AlertPresenter::instance()->present(this, QStringLiteral("Sending Email"),
                                            QStringLiteral("Email not Setup or Unavailable"));
        return;
    }
    // Without the file's bytes there is nothing to attach, and no mail.
    if (!readBack)
        return;
    // The mail program names an attachment after its file, so the bytes go into a file of the
    // attachment's name: the developer's address and "TreadmillLocations.txt".
    const QString address = AppLinks::contactEmail();
    const QString attachment =
        TemporaryDirectory::filePath(address + QStringLiteral("TreadmillLocations.txt"));
    QSaveFile copy(attachment);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) < 0 || !copy.commit())
        return;
    MailMessage mail;
    mail.subject = QStringLiteral("Treadmill Locations Text File");
    mail.body = QStringLiteral("Attachment: Treadmill Locations Text File");
    mail.recipients = {address};
    mail.attachments = {attachment};
    composer->compose(mail);
}
