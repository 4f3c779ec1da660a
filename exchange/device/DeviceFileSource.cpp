#include "exchange/device/DeviceFileSource.h"

#include "exchange/device/Gzip.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <archive.h>
#include <archive_entry.h>

namespace {

bool isArchive(const QString &path) {
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

QStringList filesIn(const QString &folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Readable | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace

DeviceFileSource::DeviceFileSource(const QStringList &paths) : m_pending(paths) {}

DeviceFileSource::~DeviceFileSource() {
    closeArchive();
}

void DeviceFileSource::closeArchive() {
    if (m_archive)
        archive_read_free(m_archive);
    m_archive = nullptr;
}

bool DeviceFileSource::next(DeviceFile &file) {
    file = DeviceFile();
    while (true) {
        if (m_archive && nextEntry(file))
            return true;
        if (m_pending.isEmpty())
            return false;
        const QString path = m_pending.takeFirst();
        const QFileInfo info(path);
        file.name = path;
        if (info.isDir()) {
            m_pending = filesIn(path) + m_pending;
            continue;
        }
        if (!info.exists() || !info.isReadable()) {
            file.error = QStringLiteral("cannot be read");
            file.unreadablePath = m_anyUnreadable = true;
            return true;
        }
        if (isArchive(path)) {
            m_archive = archive_read_new();
            archive_read_support_format_zip(m_archive);
            if (archive_read_open_filename(m_archive, QFile::encodeName(path).constData(),
                                           64 * 1024) != ARCHIVE_OK) {
                file.error = QStringLiteral("cannot be read as an archive: ") +
                             QString::fromLocal8Bit(archive_error_string(m_archive));
                file.unreadablePath = m_anyUnreadable = true;
                closeArchive();
                return true;
            }
            m_archivePath = path;
            continue;
        }
        if (info.size() > Gzip::MaxUnpacked) {
            file.error = QStringLiteral("too large for a device file");
            return true;
        }
        QFile input(path);
        if (!input.open(QIODevice::ReadOnly)) {
            file.error = QStringLiteral("cannot be read: ") + input.errorString();
            file.unreadablePath = m_anyUnreadable = true;
            return true;
        }
        file.bytes = input.readAll();
        return true;
    }
}

// The archive's next file entry; false (and the archive closed) after its last one. A damaged
// archive ends with a file that carries the reason.
bool DeviceFileSource::nextEntry(DeviceFile &file) {
    struct archive_entry *entry = nullptr;
    while (true) {
        const int status = archive_read_next_header(m_archive, &entry);
        if (status == ARCHIVE_EOF) {
            closeArchive();
            return false;
        }
        if (status < ARCHIVE_WARN) {
            file.name = m_archivePath;
            file.error = QStringLiteral("damaged archive: ") +
                         QString::fromLocal8Bit(archive_error_string(m_archive));
            closeArchive();
            return true;
        }
        if (archive_entry_filetype(entry) == AE_IFREG)
            break;
    }
    file.name =
        m_archivePath + QLatin1Char('/') +
        QString::fromUtf8(archive_entry_pathname_utf8(entry) ? archive_entry_pathname_utf8(entry)
                                                             : archive_entry_pathname(entry));
    if (archive_entry_size_is_set(entry) && archive_entry_size(entry) > Gzip::MaxUnpacked) {
        file.error = QStringLiteral("too large for a device file");
        archive_read_data_skip(m_archive);
        return true;
    }
    QByteArray bytes;
    if (archive_entry_size_is_set(entry))
        bytes.reserve(qsizetype(archive_entry_size(entry)));
    char buffer[64 * 1024];
    while (true) {
        const la_ssize_t n = archive_read_data(m_archive, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            file.error = QStringLiteral("damaged archive entry: ") +
                         QString::fromLocal8Bit(archive_error_string(m_archive));
            return true;
        }
        if (bytes.size() + n > Gzip::MaxUnpacked) {
            file.error = QStringLiteral("too large for a device file");
            archive_read_data_skip(m_archive);
            return true;
        }
        bytes.append(buffer, n);
    }
    file.bytes = std::move(bytes);
    return true;
}
