#include "platform/ShareSheet.h"

#include "platform/MailComposer.h"

#include <QClipboard>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// The target is replaced only once the whole copy is written: a copy that fails (a full
// device, a folder that cannot be written) leaves the file that was there before.
bool copyWhole(const QString &source, const QString &target) {
    QFile in(source);
    QSaveFile out(target);
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
    }
    return in.error() == QFileDevice::NoError && out.commit();
}

} // namespace

ShareSheet *ShareSheet::instance() {
    static ShareSheet *sheet = new ShareSheet;
    return sheet;
}

ShareSheet *ShareSheet::create(QQmlEngine *, QJSEngine *) {
    ShareSheet *sheet = instance();
    QJSEngine::setObjectOwnership(sheet, QJSEngine::CppOwnership);
    return sheet;
}

bool ShareSheet::hasTarget() const {
    if (m_targetCheck)
        return m_targetCheck();
    // Saving to a file is always possible on the desktop; the clipboard needs a GUI.
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr ||
           MailComposer::shared()->canSendMail() || !saveDirectory().isEmpty();
}

void ShareSheet::setTargetCheck(std::function<bool()> check) {
    m_targetCheck = std::move(check);
}

void ShareSheet::present(const QStringList &texts, const QStringList &files, Activities excluded) {
    m_texts = texts;
    m_files = files;
    m_excluded = excluded;
    m_showing = true;
    m_status.clear();
    if (!m_files.isEmpty() && !saveDirectory().isEmpty())
        copyFiles(saveDirectory());
    emit showingChanged();
    emit statusChanged();
}

bool ShareSheet::canMail() const {
    return MailComposer::shared()->canSendMail();
}

QString ShareSheet::proposedFileName() const {
    return m_files.isEmpty() ? QStringLiteral("Pacelog.txt")
                             : QFileInfo(m_files.first()).fileName();
}

QUrl ShareSheet::proposedFile() const {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QUrl::fromLocalFile(QDir(documents).filePath(proposedFileName()));
}

QString ShareSheet::saveDirectory() const {
    return qEnvironmentVariable("PACELOG_SAVE_DIR");
}

void ShareSheet::copyToClipboard() {
    if (!offersCopy())
        return;
    auto *mime = new QMimeData;
    QList<QUrl> urls;
    for (const QString &file : m_files)
        urls << QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    mime->setText((m_texts + m_files).join(QLatin1Char('\n')));
    if (!urls.isEmpty())
        mime->setUrls(urls);
    QGuiApplication::clipboard()->setMimeData(mime);
    setStatus(QStringLiteral("Copied"));
}

void ShareSheet::mail() {
    if (!offersMail())
        return;
    MailMessage message;
    message.body = m_texts.join(QLatin1Char('\n'));
    message.attachments = m_files;
    MailComposer::shared()->compose(message);
    dismiss();
}

bool ShareSheet::copyFiles(const QString &directory) {
    bool ok = QDir().mkpath(directory);
    for (const QString &file : m_files) {
        const QString target = QDir(directory).filePath(QFileInfo(file).fileName());
        if (QFileInfo(target) == QFileInfo(file))
            continue;
        if (!copyWhole(file, target)) {
            qWarning().noquote() << "Can't save" << file << "to" << directory;
            ok = false;
        }
    }
    if (ok)
        setStatus(QStringLiteral("Saved to ") + QDir::toNativeSeparators(directory));
    return ok;
}

bool ShareSheet::saveTo(const QUrl &target) {
    const QString path = target.isLocalFile() ? target.toLocalFile() : target.toString();
    if (path.isEmpty())
        return false;
    if (m_files.size() > 1)
        return copyFiles(QFileInfo(path).absolutePath());
    bool ok;
    if (m_files.size() == 1) {
        ok = QFileInfo(path) == QFileInfo(m_files.first()) || copyWhole(m_files.first(), path);
    } else {
        QSaveFile file(path);
        ok = file.open(QIODevice::WriteOnly | QIODevice::Text) &&
             file.write((m_texts.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) >= 0 &&
             file.commit();
    }
    if (!ok)
        qWarning().noquote() << "Can't save to" << path;
    setStatus(ok ? QStringLiteral("Saved to ") + QDir::toNativeSeparators(path)
                 : QStringLiteral("Can't save to ") + QDir::toNativeSeparators(path));
    return ok;
}

bool ShareSheet::saveToSaveDirectory() {
    const QString directory = saveDirectory();
    if (directory.isEmpty())
        return false;
    if (!m_files.isEmpty())
        return copyFiles(directory);
    return saveTo(QUrl::fromLocalFile(QDir(directory).filePath(proposedFileName())));
}

void ShareSheet::dismiss() {
    if (!m_showing)
        return;
    m_showing = false;
    emit showingChanged();
}

void ShareSheet::setStatus(const QString &status) {
    m_status = status;
    emit statusChanged();
}
