#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// gzip streams (a platform's bulk export gzips each activity file) through zlib.
class Gzip {
public:
    // A device file is never larger than this once unpacked; more is refused rather than read.
    static constexpr qsizetype MaxUnpacked = 64 * 1024 * 1024;

    static bool looksLikeGzip(QByteArrayView bytes);
    // The unpacked bytes of every member; on failure empty, with the reason in `error`.
    static QByteArray unpack(QByteArrayView packed, QString *error);
};
