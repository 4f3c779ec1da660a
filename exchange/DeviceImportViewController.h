#pragma once

#include "platform/Outlet.h"
#include "platform/RowListModel.h"

#include <QObject>
#include <QQmlEngine>
#include <memory>

class Context;
class DeviceFileSource;
class DeviceImportPreview;
class DeviceImportWriter;
class QTimer;

// Device import: the person picks files, a folder's files or a platform's zip export, sees every
// session found with the status it would get, and stores the new ones in one transaction.
// Reading and storing run a slice per turn of the event loop, so the screen shows progress and
// a large export can be cancelled; a cancelled or refused store leaves the log as it was, and
// leaving the screen while storing finishes the store.
class DeviceImportViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *LoadFileButton READ LoadFileButton CONSTANT)
    Q_PROPERTY(Outlet *LoadFolderButton READ LoadFolderButton CONSTANT)
    Q_PROPERTY(Outlet *importSelected READ importSelected CONSTANT)
    Q_PROPERTY(Outlet *cancelImport READ cancelImport CONSTANT)
    Q_PROPERTY(Outlet *allSports READ allSports CONSTANT)
    Q_PROPERTY(Outlet *ProgressLabel READ ProgressLabel CONSTANT)
    Q_PROPERTY(Outlet *CountsLabel READ CountsLabel CONSTANT)
    Q_PROPERTY(Outlet *ActivitySpinner READ ActivitySpinner CONSTANT)
    Q_PROPERTY(RowListModel *previewRows READ previewRows CONSTANT)
    Q_PROPERTY(int storedCount READ storedCount NOTIFY finished)
public:
    explicit DeviceImportViewController(QObject *parent = nullptr);
    ~DeviceImportViewController() override;

    Outlet *LoadFileButton() const { return m_loadFileButton; }
    Outlet *LoadFolderButton() const { return m_loadFolderButton; }
    Outlet *importSelected() const { return m_importSelected; }
    Outlet *cancelImport() const { return m_cancelImport; }
    Outlet *allSports() const { return m_allSports; }
    Outlet *ProgressLabel() const { return m_progressLabel; }
    Outlet *CountsLabel() const { return m_countsLabel; }
    Outlet *ActivitySpinner() const { return m_activitySpinner; }
    RowListModel *previewRows() const { return m_rows; }
    int storedCount() const { return m_storedCount; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void LoadFile();
    Q_INVOKABLE void LoadFolder();
    // The switch was turned: other sports become new, or skipped again.
    Q_INVOKABLE void allSportsToggled();
    Q_INVOKABLE void storeNewSessions();
    Q_INVOKABLE void cancel();
    // The picked files, folders or archives: read into the preview.
    void didPickDocuments(const QStringList &paths);

signals:
    void finished();

private:
    void readSlice();
    void storeSlice();
    void showRows();
    void finishStoring();
    void setBusy(bool busy);

    Outlet *m_loadFileButton;
    Outlet *m_loadFolderButton;
    Outlet *m_importSelected;
    Outlet *m_cancelImport;
    Outlet *m_allSports;
    Outlet *m_progressLabel;
    Outlet *m_countsLabel;
    Outlet *m_activitySpinner;
    RowListModel *m_rows;
    QTimer *m_slices;
    std::unique_ptr<Context> m_context;
    std::unique_ptr<DeviceImportPreview> m_preview;
    std::unique_ptr<DeviceFileSource> m_source;
    std::unique_ptr<DeviceImportWriter> m_writer;
    int m_filesRead = 0;
    int m_storedCount = 0;
};
