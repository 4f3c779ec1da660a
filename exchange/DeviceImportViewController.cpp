#include "exchange/DeviceImportViewController.h"

#include "exchange/DeviceImportPreview.h"
#include "exchange/DeviceImportWriter.h"
#include "exchange/device/DeviceFileSource.h"
#include "model/AppDelegate.h"
#include "model/AppState.h"
#include "model/SaveFailureAlert.h"
#include "model/UndoService.h"
#include "platform/DocumentPicker.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>

namespace {

// Long enough to read or store many sessions per turn, short enough to keep the screen fluid.
constexpr int SliceMilliseconds = 30;
constexpr qsizetype SessionsPerStep = 50;

} // namespace

DeviceImportViewController::DeviceImportViewController(QObject *parent)
    : QObject(parent), m_loadFileButton(new Outlet(this, QStringLiteral("Choose Files"))),
      m_loadFolderButton(new Outlet(this, QStringLiteral("Choose Folder"))),
      m_importSelected(new Outlet(this, QStringLiteral("Import New Sessions"))),
      m_cancelImport(new Outlet(this, QStringLiteral("Cancel"))),
      m_allSports(new Outlet(this, QStringLiteral("Import other sports too"))),
      m_progressLabel(new Outlet(this)), m_countsLabel(new Outlet(this)),
      m_activitySpinner(new Outlet(this)),
      m_rows(new RowListModel(this, {QStringLiteral("status"), QStringLiteral("reason"),
                                     QStringLiteral("sport"), QStringLiteral("date"),
                                     QStringLiteral("distance"), QStringLiteral("calories"),
                                     QStringLiteral("file")})),
      m_slices(new QTimer(this)) {
    m_slices->setInterval(0);
}

DeviceImportViewController::~DeviceImportViewController() {
    // Leaving the screen while the sessions are stored finishes the store (a few thousand
    // inserts take about a second); only Cancel drops them.
    if (m_writer && !m_writer->failed()) {
        if (!m_writer->writeNext(m_writer->total()) || !m_writer->commit())
            qWarning().noquote() << "Can't Save" << m_writer->error();
    }
}

void DeviceImportViewController::viewDidLoad() {
    m_importSelected->setEnabled(false);
    m_cancelImport->setHidden(true);
    m_activitySpinner->setHidden(true);
    m_progressLabel->setText(QStringLiteral("Choose FIT, TCX or GPX files, or a zip export."));
}

void DeviceImportViewController::LoadFile() {
    if (m_slices->isActive())
        return;
    DocumentPicker::instance()->openMany(
        this, [this](const QStringList &paths) { didPickDocuments(paths); });
}

void DeviceImportViewController::LoadFolder() {
    if (m_slices->isActive())
        return;
    DocumentPicker::instance()->openFolder(
        this, [this](const QStringList &paths) { didPickDocuments(paths); });
}

void DeviceImportViewController::setBusy(bool busy) {
    m_activitySpinner->setHidden(!busy);
    m_cancelImport->setHidden(!busy);
    m_loadFileButton->setEnabled(!busy);
    m_loadFolderButton->setEnabled(!busy);
    m_allSports->setEnabled(!busy);
    m_importSelected->setEnabled(!busy && m_preview &&
                                 m_preview->count(DeviceImportRow::Status::New) > 0);
}

void DeviceImportViewController::didPickDocuments(const QStringList &paths) {
    if (m_slices->isActive())
        return;
    if (!m_context)
        m_context = AppDelegate::shared()->newContainer();
    m_preview = std::make_unique<DeviceImportPreview>(AppState::instance()->isMiles());
    QString error;
    if (!m_preview->loadStored(*m_context, &error))
        qWarning().noquote() << "The stored sessions cannot be read:" << error;
    m_source = std::make_unique<DeviceFileSource>(paths);
    m_filesRead = 0;
    m_countsLabel->setText(QString());
    setBusy(true);
    m_slices->disconnect();
    connect(m_slices, &QTimer::timeout, this, &DeviceImportViewController::readSlice);
    m_slices->start();
}

void DeviceImportViewController::readSlice() {
    QElapsedTimer clock;
    clock.start();
    DeviceFile file;
    bool more = true;
    while (clock.elapsed() < SliceMilliseconds && (more = m_source->next(file))) {
        m_preview->addFile(file);
        ++m_filesRead;
    }
    m_progressLabel->setText(QStringLiteral("%1 files read").arg(QLocale().toString(m_filesRead)));
    if (more)
        return;
    m_slices->stop();
    m_source.reset();
    m_preview->classify(m_allSports->checked());
    showRows();
    setBusy(false);
}

void DeviceImportViewController::showRows() {
    QList<QVariantMap> rows;
    rows.reserve(m_preview->rows().size());
    for (const DeviceImportRow &row : m_preview->rows()) {
        rows.append({{QStringLiteral("status"), row.statusText()},
                     {QStringLiteral("reason"), row.reason},
                     {QStringLiteral("sport"), row.sport},
                     {QStringLiteral("date"), row.date},
                     {QStringLiteral("distance"), row.distance},
                     {QStringLiteral("calories"), row.calories},
                     {QStringLiteral("file"), row.file}});
    }
    m_rows->setRows(rows);
    using S = DeviceImportRow::Status;
    m_progressLabel->setText(QStringLiteral("New: %1   Duplicates: %2   Skipped: %3   Refused: %4")
                                 .arg(m_preview->count(S::New))
                                 .arg(m_preview->count(S::Duplicate))
                                 .arg(m_preview->count(S::Skipped))
                                 .arg(m_preview->count(S::Refused)));
}

void DeviceImportViewController::allSportsToggled() {
    if (!m_preview || m_slices->isActive())
        return;
    m_preview->classify(m_allSports->checked());
    showRows();
    setBusy(false);
}

void DeviceImportViewController::storeNewSessions() {
    if (!m_preview || m_slices->isActive() || !m_importSelected->enabled())
        return;
    QList<UserData> sessions;
    for (const DeviceImportRow &row : m_preview->rows()) {
        if (row.status == DeviceImportRow::Status::New)
            sessions.append(DeviceImportPreview::session(row));
    }
    m_writer = std::make_unique<DeviceImportWriter>(*m_context, sessions);
    setBusy(true);
    m_importSelected->setEnabled(false);
    m_slices->disconnect();
    connect(m_slices, &QTimer::timeout, this, &DeviceImportViewController::storeSlice);
    m_slices->start();
}

void DeviceImportViewController::storeSlice() {
    QElapsedTimer clock;
    clock.start();
    while (!m_writer->atEnd() && clock.elapsed() < SliceMilliseconds) {
        if (!m_writer->writeNext(SessionsPerStep))
            break;
    }
    const QLocale locale;
    m_progressLabel->setText(QStringLiteral("%1 of %2 sessions")
                                 .arg(locale.toString(qint64(m_writer->written())),
                                      locale.toString(qint64(m_writer->total()))));
    if (m_writer->atEnd() || m_writer->failed())
        finishStoring();
}

void DeviceImportViewController::finishStoring() {
    m_slices->stop();
    const bool stored = !m_writer->failed() && m_writer->commit();
    m_storedCount = stored ? int(m_writer->total()) : 0;
    if (stored) {
        UndoService::shared()->changed(m_writer->undoOfCommit(), true);
        m_countsLabel->setText(QStringLiteral("Stored: %1").arg(m_storedCount));
        // What is stored now counts as stored for the rows still shown.
        m_preview->loadStored(*m_context);
        m_preview->classify(m_allSports->checked());
        showRows();
    } else {
        m_countsLabel->setText(QStringLiteral("Nothing stored"));
        qWarning().noquote() << "Can't Save" << m_writer->error();
        SaveFailureAlert::present(this, m_writer->error());
    }
    m_writer.reset();
    setBusy(false);
    emit finished();
}

void DeviceImportViewController::cancel() {
    if (!m_slices->isActive())
        return;
    m_slices->stop();
    if (m_writer) {
        m_writer->cancel();
        m_writer.reset();
        m_countsLabel->setText(QStringLiteral("Cancelled: nothing stored"));
    } else {
        m_source.reset();
        m_preview.reset();
        m_rows->setRows({});
        m_countsLabel->setText(QStringLiteral("Cancelled"));
    }
    m_progressLabel->setText(QString());
    setBusy(false);
}
