#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>
#include <memory>

class SessionImport;
class QTimer;

// Session import: the person picks an export file, sees its text, and merges its lines into the
// stored sessions. The merge runs a slice of lines per turn of the event loop, so the screen
// stays responsive and shows its progress; each line is saved before the next is read.
class ImportViewController2 : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *LoadFileButton READ LoadFileButton CONSTANT)
    Q_PROPERTY(Outlet *ImportButton READ ImportButton CONSTANT)
    Q_PROPERTY(Outlet *ImportTextView READ ImportTextView CONSTANT)
    Q_PROPERTY(Outlet *HelpTextView READ HelpTextView CONSTANT)
    Q_PROPERTY(Outlet *ActivitySpinner READ ActivitySpinner CONSTANT)
    Q_PROPERTY(Outlet *ProgressLabel READ ProgressLabel CONSTANT)
    Q_PROPERTY(Outlet *CountsLabel READ CountsLabel CONSTANT)
    Q_PROPERTY(QString filename READ filename NOTIFY documentChanged)
public:
    explicit ImportViewController2(QObject *parent = nullptr);
    ~ImportViewController2() override;

    Outlet *LoadFileButton() const { return m_loadFileButton; }
    Outlet *ImportButton() const { return m_importButton; }
    Outlet *ImportTextView() const { return m_importTextView; }
    Outlet *HelpTextView() const { return m_helpTextView; }
    Outlet *ActivitySpinner() const { return m_activitySpinner; }
    Outlet *ProgressLabel() const { return m_progressLabel; }
    Outlet *CountsLabel() const { return m_countsLabel; }
    QString filename() const { return m_filename; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void LoadFile();
    Q_INVOKABLE void ImportTextFile();
    // The picked file: its text is read and shown.
    void didPickDocument(const QString &path);

signals:
    void documentChanged();

private:
    void mergeSlice();
    void showProgress();
    void report();

    Outlet *m_loadFileButton;
    Outlet *m_importButton;
    Outlet *m_importTextView;
    Outlet *m_helpTextView;
    Outlet *m_activitySpinner;
    Outlet *m_progressLabel;
    Outlet *m_countsLabel;
    QString m_document;
    QString m_filename;
    bool m_wrongFile = false;
    std::unique_ptr<SessionImport> m_import;
    QTimer *m_slices;
};
