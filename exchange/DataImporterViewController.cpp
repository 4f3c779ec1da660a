#include "exchange/DataImporterViewController.h"

#include "exchange/CSVScanner.h"
#include "model/AppDelegate.h"
#include "model/UserData.h"
#include "platform/AlertPresenter.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString ResourceName = QStringLiteral("caloriesburned");

// Deletes every session, saving after each one; a failure here leaves a half-emptied log, so
// it stops the program.
void deleteAllSessions() {
    std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
    FetchRequest request = UserData::fetchRequest();
    request.setIncludesPropertyValues(false);
    QString error;
    const QList<Record> sessions = context->fetch(request, &error);
    if (!error.isEmpty())
        return;
    for (const Record &session : sessions) {
        context->remove(session);
        if (!context->save(&error))
            AppDelegate::unresolvedError(
                error, QStringLiteral("{NSFilePath = \"%1\"}").arg(AppDelegate::storePath()));
    }
}

} // namespace

DataImporterViewController::DataImporterViewController(QObject *parent)
    : QObject(parent), m_textViewer(new Outlet(this)), m_backupLabel(new Outlet(this)) {}

void DataImporterViewController::viewDidLoad() {
    QFile file(CSVScanner::resourcePath(ResourceName));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "Problem Loading file";
        return;
    }
    m_textViewer->setText(QString::fromUtf8(file.readAll()));
}

void DataImporterViewController::ImportData() {
    AlertPresenter::instance()->present(
        this, QStringLiteral("Data Import"), QStringLiteral("Continue"),
        {AlertAction{QStringLiteral("OK"), [this] { replaceSessions(); }},
         AlertAction{QStringLiteral("Cancel")}});
}

QString DataImporterViewController::backupPath() {
    const QDir directory(AppDelegate::dataDirectory());
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = directory.filePath(QStringLiteral("Pacelog-backup-%1.sqlite").arg(stamp));
    for (int n = 2; QFile::exists(path); ++n)
        path = directory.filePath(QStringLiteral("Pacelog-backup-%1-%2.sqlite").arg(stamp).arg(n));
    return path;
}

void DataImporterViewController::replaceSessions() {
    // The whole log is about to be replaced: without a copy of it nothing changes.
    const QString path = backupPath();
    QString error;
    if (!AppDelegate::shared()->newContainer()->backupTo(path, &error)) {
        qWarning().noquote() << "Backup failed:" << error;
        AlertPresenter::instance()->present(
            this, QStringLiteral("Data Import"),
            QStringLiteral("Your sessions could not be backed up, so nothing was changed: ") +
                error);
        return;
    }
    deleteAllSessions();
    CSVScanner::scanCSV(CSVScanner::resourcePath(ResourceName));
    m_backupLabel->setText(QStringLiteral("Your earlier sessions are saved in ") +
                           QFileInfo(path).fileName());
    AlertPresenter::instance()->present(this, QStringLiteral("Data Import"),
                                        QStringLiteral("Data Import Completed"));
}
