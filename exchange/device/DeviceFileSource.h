#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

struct archive;

// One file handed out by a DeviceFileSource: its name (the path, or the archive's path and the
// entry's name) and its bytes, or why it could not be read.
struct DeviceFile {
    QString name;
    QByteArray bytes;
    QString error;
    // The path itself could not be read at all (missing, not readable, not an archive).
    bool unreadablePath = false;
};

// The files the person picked, one at a time: a folder stands for the files inside it (in
// name order, subfolders included), a .zip for its entries, read as the walk reaches them so
// a large export is never held whole.
class DeviceFileSource {
public:
    explicit DeviceFileSource(const QStringList &paths);
    ~DeviceFileSource();
    DeviceFileSource(const DeviceFileSource &) = delete;
    DeviceFileSource &operator=(const DeviceFileSource &) = delete;

    // The next file; false when every path has been walked.
    bool next(DeviceFile &file);
    bool anyUnreadablePath() const { return m_anyUnreadable; }

private:
    bool nextEntry(DeviceFile &file);
    void closeArchive();

    QStringList m_pending;
    struct archive *m_archive = nullptr;
    QString m_archivePath;
    bool m_anyUnreadable = false;
};
