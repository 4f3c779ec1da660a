#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>

// Built-in session data: shows the data shipped with the app and, once confirmed, replaces every
// stored session with it. The store is copied to a dated backup file first.
class DataImporterViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *textViewer READ textViewer CONSTANT)
    Q_PROPERTY(Outlet *BackupLabel READ BackupLabel CONSTANT)
public:
    explicit DataImporterViewController(QObject *parent = nullptr);

    Outlet *textViewer() const { return m_textViewer; }
    Outlet *BackupLabel() const { return m_backupLabel; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void ImportData();

    // "Pacelog-backup-YYYYMMDD-HHMMSS.sqlite" in the data directory, not yet taken.
    static QString backupPath();

private:
    void replaceSessions();

    Outlet *m_textViewer;
    Outlet *m_backupLabel;
};
