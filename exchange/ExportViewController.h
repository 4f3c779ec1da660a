#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>
#include <memory>

// Session export: builds the file "Treadmill.csv" from every stored session, shows it, and hands
// it on through the share sheet or as a mail attachment; a spreadsheet file of the sessions goes
// out through the share sheet too.
class ExportViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *ExportButton READ ExportButton CONSTANT)
    Q_PROPERTY(Outlet *SaveButton READ SaveButton CONSTANT)
    Q_PROPERTY(Outlet *EmailButton READ EmailButton CONSTANT)
    Q_PROPERTY(Outlet *SpreadsheetButton READ SpreadsheetButton CONSTANT)
    Q_PROPERTY(Outlet *ExportTextView READ ExportTextView CONSTANT)
    Q_PROPERTY(Outlet *HelpTextView READ HelpTextView CONSTANT)
    Q_PROPERTY(Outlet *ActivitySpinner READ ActivitySpinner CONSTANT)
    Q_PROPERTY(QString DataString READ DataString NOTIFY dataStringChanged)
public:
    explicit ExportViewController(QObject *parent = nullptr);

    Outlet *ExportButton() const { return m_exportButton; }
    Outlet *SaveButton() const { return m_saveButton; }
    Outlet *EmailButton() const { return m_emailButton; }
    Outlet *SpreadsheetButton() const { return m_spreadsheetButton; }
    Outlet *ExportTextView() const { return m_exportTextView; }
    Outlet *HelpTextView() const { return m_helpTextView; }
    Outlet *ActivitySpinner() const { return m_activitySpinner; }
    QString DataString() const { return m_dataString; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void CreateUpdateFile();
    Q_INVOKABLE void SaveToFiles();
    Q_INVOKABLE void WriteTextFile();
    // The sessions as a spreadsheet file, handed on through the share sheet.
    Q_INVOKABLE void SaveSpreadsheet();

signals:
    void dataStringChanged();

private:
    void build();
    // The export view holds `text` and lays out its start.
    void showExportText(const QString &text);

    Outlet *m_exportButton;
    Outlet *m_saveButton;
    Outlet *m_emailButton;
    Outlet *m_spreadsheetButton;
    Outlet *m_exportTextView;
    Outlet *m_helpTextView;
    Outlet *m_activitySpinner;
    QString m_dataString;
    // Owns the pending completion alert, so a build that fails can withdraw it.
    std::unique_ptr<QObject> m_completion;
    QString m_exportText;
};
