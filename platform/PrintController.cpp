#include "platform/PrintController.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

namespace {

PrintController *&installed() {
    static PrintController *controller = nullptr;
    return controller;
}

QString printTo(QTextDocument &document, QPrinter &printer) {
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? QStringLiteral("The printer failed")
                                                     : QString();
}

} // namespace

PrintController *PrintController::shared() {
    if (installed())
        return installed();
    static PrintController *desktop = new PrintController;
    return desktop;
}

void PrintController::setShared(PrintController *controller) {
    installed() = controller;
}

void PrintController::present(const QTextDocument &document, Completion completion) {
    // The dialog outlives this call, so the job keeps its own copy of the document.
    std::shared_ptr<QTextDocument> copy(document.clone());
    const QString target = qEnvironmentVariable("PACELOG_PRINT_TO");
    if (!target.isEmpty()) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
        const QString error = printTo(*copy, printer);
        if (completion)
            completion(error.isEmpty(), error);
        return;
    }

    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    // The job's title in the queue, and the name the dialog proposes for a PDF.
    printer->setDocName(QStringLiteral("Pacelog Totals"));
    auto *dialog = new QPrintDialog(printer.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog->setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    connect(dialog, &QDialog::finished, this, [printer, copy, completion](int result) {
        if (result != QDialog::Accepted) {
            if (completion)
                completion(false, QString());
            return;
        }
        const QString error = printTo(*copy, *printer);
        if (completion)
            completion(error.isEmpty(), error);
    });
    dialog->open();
}
