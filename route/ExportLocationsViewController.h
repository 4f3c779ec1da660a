#pragma once

#include "platform/Outlet.h"

#include <QObject>
#include <QQmlEngine>

// Places export: writes every stored place in the built-in places file's format, shows it, and
// mails it to the developer, so a person's corrected places can become the built-in ones.
class ExportLocationsViewController : public QObject {
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(Outlet *TextView READ TextView CONSTANT)
    Q_PROPERTY(Outlet *CreateFileButton READ CreateFileButton CONSTANT)
    Q_PROPERTY(Outlet *EmailFileButton READ EmailFileButton CONSTANT)
public:
    explicit ExportLocationsViewController(QObject *parent = nullptr);

    Outlet *TextView() const { return m_textView; }
    Outlet *CreateFileButton() const { return m_createFileButton; }
    Outlet *EmailFileButton() const { return m_emailFileButton; }

    Q_INVOKABLE void viewDidLoad();
    Q_INVOKABLE void CreateTextFile();
    Q_INVOKABLE void EmailFile();

    // "LocationsExport.txt" in the app's temporary directory.
    static QString filePath();

private:
    Outlet *m_textView;
    Outlet *m_createFileButton;
    Outlet *m_emailFileButton;
};
