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

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

const QString ResourceName = QStringLiteral("caloriesburned");

// Deletes every session in `context` without saving: the deletions are committed together with
// the new sessions. A deletion that fails stops the program; the open transaction then dies
// with it, so the stored sessions stay as they were.
// False (nothing deleted) when the sessions could not all be read.
bool deleteAllSessions(Context &context, QString *error) {
    FetchRequest request = UserData::fetchRequest();
    request.setIncludesPropertyValues(false);
    const QList<Record> sessions = context.fetch(request, error);
    if (!error->isEmpty())
        return false;
    for (const Record &session : sessions) {
        if (!context.remove(session))
            AppDelegate::unresolvedError(
                context.lastError(),
                QStringLiteral("{NSFilePath = \"%1\"}").arg(AppDelegate::storePath()));
    }
    return true;
}

// VACUUM INTO writes its file page by page: the copy is made under a temporary name, flushed
// to the disk and only then given the backup's name, so a file under a backup's name is always
// a whole copy, even after a crash or power loss while it was written.
bool backUp(Context &context, const QString &path, QString *error) {
    const QDir directory(QFileInfo(path).path());
    for (const QString &name : directory.entryList({QStringLiteral("Pacelog-backup-*.partial")}))
        QFile::remove(directory.filePath(name)); // left by an earlier run that was cut short
    const QString partial = path + QStringLiteral(".partial");
    if (!context.backupTo(partial, error)) {
        QFile::remove(partial);
        return false;
    }
    QFile copy(partial);
    bool whole = copy.open(QIODevice::ReadWrite);
#ifdef Q_OS_UNIX
    whole = whole && ::fsync(copy.handle()) == 0;
#endif
    copy.close();
    if (!whole || !QFile::rename(partial, path)) {
        *error = QStringLiteral("the copy could not be completed in ") + directory.path();
        QFile::remove(partial);
        return false;
    }
    return true;
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
    std::unique_ptr<Context> context = AppDelegate::shared()->newContainer();
    QString error;
    if (!backUp(*context, path, &error)) {
        qWarning().noquote() << "Backup failed:" << error;
        AlertPresenter::instance()->present(
            this, QStringLiteral("Data Import"),
            QStringLiteral("Your sessions could not be backed up, so nothing was changed: ") +
                error);
        return;
    }
    // One transaction: the store holds either every earlier session or the whole new set,
    // whatever stops the program in between.
    bool replaced = deleteAllSessions(*context, &error) &&
                    CSVScanner::scanCSV(CSVScanner::resourcePath(ResourceName), *context) >= 0;
    if (replaced) {
        replaced = context->save(&error);
    } else {
        error = error.isEmpty() ? context->lastError() : error;
        context->rollback();
    }
    if (!replaced) {
        qWarning().noquote() << "Can't Save" << error;
        AlertPresenter::instance()->present(
            this, QStringLiteral("Data Import"),
            QStringLiteral("The data could not be loaded, so your sessions were kept: ") + error);
        return;
    }
    m_backupLabel->setText(QStringLiteral("Your earlier sessions are saved in ") +
                           QFileInfo(path).fileName());
    AlertPresenter::instance()->present(this, QStringLiteral("Data Import"),
                                        QStringLiteral("Data Import Completed"));
}
