#include "exchange/device/Gzip.h"

#include <zlib.h>

bool Gzip::looksLikeGzip(QByteArrayView bytes) {
    return bytes.size() >= 2 && uchar(bytes[0]) == 0x1F && uchar(bytes[1]) == 0x8B;
}

QByteArray Gzip::unpack(QByteArrayView packed, QString *error) {
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip wrapper, not a raw or zlib one.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        *error = QStringLiteral("gzip: cannot start");
        return {};
    }
    QByteArray out;
    out.resize(qMin<qsizetype>(qMax<qsizetype>(packed.size() * 4, 4096), MaxUnpacked));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.data()));
    stream.avail_in = uInt(packed.size());
    qsizetype produced = 0;
    int status = Z_OK;
    while (true) {
        if (produced == out.size()) {
            if (out.size() >= MaxUnpacked) {
                *error = QStringLiteral("gzip: unpacked file too large");
                status = Z_MEM_ERROR;
                break;
            }
            out.resize(qMin(out.size() * 2, MaxUnpacked));
        }
        stream.next_out = reinterpret_cast<Bytef *>(out.data()) + produced;
        stream.avail_out = uInt(out.size() - produced);
        status = inflate(&stream, Z_NO_FLUSH);
        produced = out.size() - qsizetype(stream.avail_out);
        if (status == Z_STREAM_END) {
            // Members that follow unpack after it, as gunzip does; anything else after the
            // last member (padding) is ignored, as gunzip does too.
            const QByteArrayView rest(reinterpret_cast<const char *>(stream.next_in),
                                      qsizetype(stream.avail_in));
            if (!looksLikeGzip(rest))
                break;
            if (inflateReset(&stream) != Z_OK) {
                status = Z_DATA_ERROR;
                break;
            }
            continue;
        }
        if (status != Z_OK) {
            *error = status == Z_BUF_ERROR ? QStringLiteral("gzip: file cut short")
                                           : QStringLiteral("gzip: damaged data");
            break;
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END)
        return {};
    out.truncate(produced);
    return out;
}
