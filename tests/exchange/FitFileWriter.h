#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <zlib.h>

// Writes FIT files for the tests by the protocol's rules: a 12 or 14 byte header, definition
// and data messages (normal or compressed-timestamp headers, developer fields) and the
// CRC-16 at the end. The CRC is computed bit by bit here (polynomial 0xA001, reflected), apart
// from the reader's table-driven one.
class FitFileWriter {
public:
    // The bytes as a gzip member, as platforms hand out their exported files.
    static QByteArray gzip(const QByteArray &plain) {
        z_stream stream{};
        deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY);
        QByteArray out(qsizetype(deflateBound(&stream, uLong(plain.size()))), Qt::Uninitialized);
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(plain.data()));
        stream.avail_in = uInt(plain.size());
        stream.next_out = reinterpret_cast<Bytef *>(out.data());
        stream.avail_out = uInt(out.size());
        deflate(&stream, Z_FINISH);
        out.truncate(qsizetype(stream.total_out));
        deflateEnd(&stream);
        return out;
    }

    enum BaseType : quint8 {
        Enum = 0x00,
        UInt8 = 0x02,
        UInt16 = 0x84,
        UInt32 = 0x86,
        String = 0x07
    };
    struct Field {
        quint8 number;
        quint8 size;
        quint8 baseType;
    };

    static quint16 crc16(const QByteArray &bytes) {
        quint16 crc = 0;
        for (const char c : bytes) {
            crc ^= quint8(c);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        }
        return crc;
    }

    // A definition of local type `local` for message `global`; `developerSizes` adds one
    // developer field of each size.
    FitFileWriter &define(int local, quint16 global, const QList<Field> &fields,
                          const QList<quint8> &developerSizes = {}, bool bigEndian = false) {
        m_data.append(char(0x40 | (developerSizes.isEmpty() ? 0 : 0x20) | local));
        m_data.append(char(0));
        m_data.append(char(bigEndian ? 1 : 0));
        appendInt(global, 2, bigEndian);
        m_data.append(char(fields.size()));
        for (const Field &f : fields) {
            m_data.append(char(f.number));
            m_data.append(char(f.size));
            m_data.append(char(f.baseType));
        }
        if (!developerSizes.isEmpty()) {
            m_data.append(char(developerSizes.size()));
            for (int i = 0; i < developerSizes.size(); ++i) {
                m_data.append(char(i));
                m_data.append(char(developerSizes[i]));
                m_data.append(char(0));
            }
        }
        m_locals[local] = {fields, developerSizes, bigEndian};
        return *this;
    }

    // A data message of local type `local`: one value per field of its definition, then the
    // developer fields' bytes (0x5A each).
    FitFileWriter &data(int local, const QList<quint64> &values) {
        m_data.append(char(local));
        appendValues(local, values);
        return *this;
    }

    // A data message with a compressed timestamp header (local types 0-3).
    FitFileWriter &compressed(int local, quint8 timeOffset, const QList<quint64> &values) {
        m_data.append(char(0x80 | (local << 5) | (timeOffset & 0x1F)));
        appendValues(local, values);
        return *this;
    }

    // The whole file: header (with its own CRC when 14 bytes long, 0 when `headerChecksum` is
    // false), data and the file CRC.
    QByteArray file(int headerSize = 14, bool headerChecksum = true) const {
        QByteArray out;
        out.append(char(headerSize));
        out.append(char(0x20));
        appendLe(out, 2132, 2);
        appendLe(out, quint64(m_data.size()), 4);
        out.append(".FIT");
        if (headerSize == 14)
            appendLe(out, headerChecksum ? crc16(out) : 0, 2);
        out.append(m_data);
        appendLe(out, crc16(out), 2);
        return out;
    }

private:
    struct Local {
        QList<Field> fields;
        QList<quint8> developerSizes;
        bool bigEndian = false;
    };

    static void appendLe(QByteArray &out, quint64 value, int size) {
        for (int i = 0; i < size; ++i)
            out.append(char((value >> (8 * i)) & 0xFF));
    }
    void appendInt(quint64 value, int size, bool bigEndian) {
        for (int i = 0; i < size; ++i) {
            const int shift = bigEndian ? 8 * (size - 1 - i) : 8 * i;
            m_data.append(char((value >> shift) & 0xFF));
        }
    }
    void appendValues(int local, const QList<quint64> &values) {
        const Local &l = m_locals[local];
        for (int i = 0; i < l.fields.size(); ++i)
            appendInt(values.value(i), l.fields[i].size, l.bigEndian);
        for (quint8 size : l.developerSizes)
            m_data.append(QByteArray(size, char(0x5A)));
    }

    QByteArray m_data;
    Local m_locals[16];
};
