#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QTextDocument;

// Prints a styled document: through the system print dialog (which also saves as PDF), or,
// with $PACELOG_PRINT_TO=FILE.pdf, straight into that PDF without asking. Tests install a
// double with setShared().
class PrintController : public QObject {
    Q_OBJECT
public:
    // completed: the job went to the printer or file; false when cancelled or failed.
    using Completion = std::function<void(bool completed, const QString &error)>;

    static PrintController *shared();
    // nullptr brings back the desktop controller.
    static void setShared(PrintController *controller);

    // The document is copied, so the caller may change or drop it at once. The completion
    // runs on the main thread when the dialog is finished with.
    virtual void present(const QTextDocument &document, Completion completion);

protected:
    using QObject::QObject;
};
