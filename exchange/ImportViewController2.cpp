#include "exchange/ImportViewController2.h"

#include "exchange/ImportInBackground.h"
#include "exchange/SessionImport.h"
#include "exchange/TextPreview.h"
#include "model/AppDelegate.h"
#include "model/UndoService.h"
#include "platform/AlertPresenter.h"
#include "platform/DocumentPicker.h"
#include "platform/Navigator.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStringDecoder>
#include <QTimer>

namespace {

// Long enough to merge many lines per turn, short enough to keep the screen fluid.
constexpr int SliceMilliseconds = 30;

} // namespace

ImportViewController2::ImportViewController2(QObject *parent)
    : QObject(parent), m_loadFileButton(new Outlet(this, QStringLiteral("Load File"))),
      m_importButton(new Outlet(this, QStringLiteral("Import File"))),
      m_importTextView(new Outlet(this)), m_helpTextView(new Outlet(this)),
      m_activitySpinner(new Outlet(this)), m_progressLabel(new Outlet(this)),
      m_countsLabel(new Outlet(this)), m_slices(new QTimer(this)) {
    m_slices->setInterval(0);
    connect(m_slices, &QTimer::timeout, this, &ImportViewController2::mergeSlice);
}

// Leaving the screen while the lines are merged does not stop the import half way: it goes on
// to its end without the screen and then tells the person what it did.
ImportViewController2::~ImportViewController2() {
    if (m_import && !m_import->atEnd())
        ImportInBackground::carryOn(std::move(m_import), SliceMilliseconds);
}

void ImportViewController2::viewDidLoad() {
    m_wrongFile = false;
    m_helpTextView->setText(QStringLiteral("1: First create an Export file if you haven't yet.\n") +
                            QStringLiteral("2: Select the file you saved to your iCloud drive\n") +
                            QStringLiteral("3: Import the file into your device"));
    m_importButton->setEnabled(false);
    m_activitySpinner->setHidden(true);
}

void ImportViewController2::LoadFile() {
    DocumentPicker::instance()->open(this, [this](const QString &path) { didPickDocument(path); });
}

void ImportViewController2::didPickDocument(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << file.errorString();
        return;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(file.readAll());
    if (decoder.hasError()) {
        qWarning().noquote() << "The file" << path << "is not UTF-8 text";
        return;
    }
    m_filename = QFileInfo(path).fileName();
    m_document = std::move(text);
    emit documentChanged();
    m_importTextView->setText(TextPreview::of(m_document));
    m_importButton->setEnabled(true);
    m_loadFileButton->setEnabled(false);
    AlertPresenter::instance()->present(this, QStringLiteral("Data Import"),
                                        QStringLiteral("File Loaded and Ready to Import"));
}

void ImportViewController2::ImportTextFile() {
    if (m_import || !m_importButton->enabled())
        return;
    m_activitySpinner->setHidden(false);
    // A second press while the lines are merged would merge them twice.
    m_importButton->setEnabled(false);
    m_import = std::make_unique<SessionImport>(m_document);
    m_wrongFile = !m_import->isAccepted();
    if (m_wrongFile) {
        report();
        return;
    }
    showProgress();
    m_slices->start();
}

void ImportViewController2::mergeSlice() {
    m_import->mergeFor(AppDelegate::shared()->persistentContainer(), SliceMilliseconds);
    showProgress();
    if (m_import->atEnd()) {
        m_slices->stop();
        report();
    }
}

void ImportViewController2::showProgress() {
    const QLocale locale;
    m_progressLabel->setText(QStringLiteral("%1 of %2 lines")
                                 .arg(locale.toString(qint64(m_import->linesDone())),
                                      locale.toString(qint64(m_import->lineCount()))));
}

void ImportViewController2::report() {
    QString message;
    if (m_wrongFile) {
        message = m_filename + QStringLiteral(" Is The Incorrect Import File");
    } else {
        message = m_import->resultMessage();
        m_countsLabel->setText(m_import->countsText());
        UndoService::shared()->changed(m_import->takeUndo(), true, UndoService::Offer::OnNextPage);
    }
    AlertPresenter::instance()->present(
        this, QStringLiteral("Data Import"), message,
        {AlertAction{QStringLiteral("OK"),
                     [] { Navigator::instance()->performSegue(QStringLiteral("unwindToMenu")); }}});
}
