#include "exchange/device/FitReader.h"

#include <QVarLengthArray>
#include <array>
#include <optional>

namespace {

// FIT times count seconds from 1989-12-31 00:00 UTC; below this they are relative to the device.
constexpr qint64 FitEpoch = 631065600;
constexpr quint32 FirstAbsoluteTime = 0x10000000;

constexpr quint16 FileIdMessage = 0;
constexpr quint16 SportMessage = 12;
constexpr quint16 SessionMessage = 18;
constexpr quint16 LapMessage = 19;
constexpr quint8 TimestampField = 253;

const char *const SportNames[] = {"generic",
                                  "running",
                                  "cycling",
                                  "transition",
                                  "fitness_equipment",
                                  "swimming",
                                  "basketball",
                                  "soccer",
                                  "tennis",
                                  "american_football",
                                  "training",
                                  "walking",
                                  "cross_country_skiing",
                                  "alpine_skiing",
                                  "snowboarding",
                                  "rowing",
                                  "mountaineering",
                                  "hiking",
                                  "multisport",
                                  "paddling",
                                  "flying",
                                  "e_biking",
                                  "motorcycling",
                                  "boating",
                                  "driving",
                                  "golf",
                                  "hang_gliding",
                                  "horseback_riding",
                                  "hunting",
                                  "fishing",
                                  "inline_skating",
                                  "rock_climbing",
                                  "sailing",
                                  "ice_skating",
                                  "sky_diving",
                                  "snowshoeing",
                                  "snowmobiling",
                                  "stand_up_paddleboarding",
                                  "surfing",
                                  "wakeboarding",
                                  "water_skiing",
                                  "kayaking",
                                  "rafting",
                                  "windsurfing",
                                  "kitesurfing",
                                  "tactical",
                                  "jumpmaster",
                                  "boxing",
                                  "floor_climbing"};

const char *const SubSportNames[] = {"generic",
                                     "treadmill",
                                     "street",
                                     "trail",
                                     "track",
                                     "spin",
                                     "indoor_cycling",
                                     "road",
                                     "mountain",
                                     "downhill",
                                     "recumbent",
                                     "cyclocross",
                                     "hand_cycling",
                                     "track_cycling",
                                     "indoor_rowing",
                                     "elliptical",
                                     "stair_climbing",
                                     "lap_swimming",
                                     "open_water",
                                     "flexibility_training",
                                     "strength_training",
                                     "warm_up",
                                     "match",
                                     "exercise",
                                     "challenge",
                                     "indoor_skiing",
                                     "cardio_training",
                                     "indoor_walking",
                                     "e_bike_fitness",
                                     "bmx",
                                     "casual_walking",
                                     "speed_walking",
                                     "bike_to_run_transition",
                                     "run_to_bike_transition",
                                     "swim_to_bike_transition",
                                     "atv",
                                     "motocross",
                                     "backcountry",
                                     "resort",
                                     "rc_drone",
                                     "wingsuit",
                                     "whitewater",
                                     "skate_skiing",
                                     "yoga",
                                     "pilates",
                                     "indoor_running"};

template <std::size_t N>
QString enumName(const char *const (&names)[N], quint64 value, const char *unknown) {
    if (value < N)
        return QString::fromLatin1(names[value]);
    return QString::fromLatin1(unknown) + QString::number(value);
}

// The protocol's CRC-16 (polynomial 0xA001, reflected), a byte at a time.
constexpr std::array<quint16, 256> crcTable() {
    std::array<quint16, 256> table{};
    for (int byte = 0; byte < 256; ++byte) {
        quint16 crc = quint16(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
        table[byte] = crc;
    }
    return table;
}
constexpr std::array<quint16, 256> CrcTable = crcTable();

quint16 le16(const uchar *p) {
    return quint16(p[0] | (p[1] << 8));
}
quint32 le32(const uchar *p) {
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

struct FieldDefinition {
    quint8 number;
    quint8 size;
    quint8 baseType;
};

struct Definition {
    bool defined = false;
    bool bigEndian = false;
    quint16 global = 0;
    QVarLengthArray<FieldDefinition, 24> fields;
    int size = 0; // bytes of a data message, developer fields included
};

// The valid integer fields of one data message, by field number.
struct Message {
    QVarLengthArray<std::pair<quint8, quint64>, 24> values;

    std::optional<quint64> value(quint8 field) const {
        for (const auto &[number, v] : values) {
            if (number == field)
                return v;
        }
        return std::nullopt;
    }
};

// The base type's size, and whether a value is its "invalid" marker. Strings, floats and byte
// arrays carry nothing the log needs.
int baseSize(quint8 baseType) {
    switch (baseType & 0x1F) {
    case 0:
    case 1:
    case 2:
    case 10:
        return 1;
    case 3:
    case 4:
    case 11:
        return 2;
    case 5:
    case 6:
    case 12:
        return 4;
    case 14:
    case 15:
    case 16:
        return 8;
    default:
        return 0;
    }
}

bool isInvalid(quint8 baseType, quint64 value) {
    switch (baseType & 0x1F) {
    case 10:
    case 11:
    case 12:
    case 16:
        return value == 0;
    case 1:
        return value == 0x7F;
    case 3:
        return value == 0x7FFF;
    case 5:
        return value == 0x7FFFFFFF;
    case 14:
        return value == 0x7FFFFFFFFFFFFFFFull;
    case 0:
    case 2:
        return value == 0xFF;
    case 4:
        return value == 0xFFFF;
    case 6:
        return value == 0xFFFFFFFFull;
    case 15:
        return value == ~0ull;
    default:
        return true;
    }
}

quint64 readUnsigned(const uchar *p, int size, bool bigEndian) {
    quint64 value = 0;
    for (int i = 0; i < size; ++i) {
        const int byte = bigEndian ? i : size - 1 - i;
        value = (value << 8) | p[byte];
    }
    return value;
}

QDateTime fitTime(quint64 value) {
    return QDateTime::fromSecsSinceEpoch(qint64(value) + FitEpoch, Qt::UTC);
}

bool isUsableTime(std::optional<quint64> value) {
    return value && *value >= FirstAbsoluteTime;
}

// The sessions of one file being read, with what the laps and sport messages before each
// session add when the session leaves a figure out.
class Collector {
public:
    void take(quint16 global, const Message &m) {
        switch (global) {
        case FileIdMessage:
            if (isUsableTime(m.value(4)))
                m_created = m.value(4);
            break;
        case SportMessage:
            m_sport = m.value(0);
            m_subSport = m.value(1);
            break;
        case LapMessage:
            m_laps.append(m);
            break;
        case SessionMessage:
            addSession(m);
            m_laps.clear();
            break;
        default:
            break;
        }
    }

    bool hasSessions() const { return !m_sessions.isEmpty(); }
    const QList<FoundSession> &sessions() const { return m_sessions; }
    bool timeless() const { return m_timeless; }

private:
    std::optional<quint64> fromLaps(quint8 field, bool sum) const {
        std::optional<quint64> result;
        for (const Message &lap : m_laps) {
            if (const auto v = lap.value(field)) {
                if (!sum)
                    return v;
                result = result.value_or(0) + *v;
            }
        }
        return result;
    }

    void addSession(const Message &m) {
        std::optional<quint64> start = m.value(2);
        if (!isUsableTime(start))
            start = fromLaps(2, false);
        if (!isUsableTime(start))
            start = m_created;
        if (!isUsableTime(start)) {
            m_timeless = true;
            return;
        }
        FoundSession session;
        session.start = fitTime(*start);
        auto sport = m.value(5);
        auto subSport = m.value(6);
        if (!sport) {
            sport = m_sport ? m_sport : fromLaps(25, false);
            subSport = m_sport ? m_subSport : fromLaps(39, false);
        }
        session.sport = enumName(SportNames, sport.value_or(0), "sport_");
        session.subSport = enumName(SubSportNames, subSport.value_or(0), "sub_sport_");
        const auto centimetres = m.value(9) ? m.value(9) : fromLaps(9, true);
        session.metres = double(centimetres.value_or(0)) / 100.0;
        const auto calories = m.value(11) ? m.value(11) : fromLaps(11, true);
        if (calories)
            session.kilocalories = double(*calories);
        m_sessions.append(session);
    }

    std::optional<quint64> m_created;
    std::optional<quint64> m_sport;
    std::optional<quint64> m_subSport;
    QList<Message> m_laps;
    QList<FoundSession> m_sessions;
    bool m_timeless = false;
};

bool wanted(quint16 global) {
    return global == FileIdMessage || global == SportMessage || global == SessionMessage ||
           global == LapMessage;
}

// The records of one FIT file's data section. Returns the refusal, or an empty text.
QString readRecords(const uchar *data, qsizetype size, Collector &collector) {
    std::array<Definition, 16> definitions;
    quint32 lastTimestamp = 0;
    qsizetype pos = 0;
    while (pos < size) {
        const quint8 header = data[pos++];
        if (header & 0x80) {
            // Compressed timestamp header: a data message of local type 0-3 whose time is the
            // last full timestamp with its low five bits replaced, rolling over forwards.
            const int local = (header >> 5) & 0x03;
            const quint32 offset = header & 0x1F;
            quint32 timestamp = (lastTimestamp & ~0x1Fu) | offset;
            if (offset < (lastTimestamp & 0x1F))
                timestamp += 0x20;
            lastTimestamp = timestamp;
            const Definition &d = definitions[local];
            if (!d.defined)
                return QStringLiteral("damaged FIT file: a message has no definition");
            if (size - pos < d.size)
                return QStringLiteral("damaged FIT file: a message runs past the end of its data");
            if (wanted(d.global)) {
                Message m;
                qsizetype at = pos;
                for (const FieldDefinition &f : d.fields) {
                    if (baseSize(f.baseType) == f.size) {
                        const quint64 v = readUnsigned(data + at, f.size, d.bigEndian);
                        if (!isInvalid(f.baseType, v))
                            m.values.append({f.number, v});
                    }
                    at += f.size;
                }
                m.values.append({TimestampField, timestamp});
                collector.take(d.global, m);
            }
            pos += d.size;
            continue;
        }
        const int local = header & 0x0F;
        if (header & 0x40) {
            // Definition message: reserved, architecture, global number, fields, then the
            // developer fields when the header says there are some.
            if (size - pos < 5)
                return QStringLiteral(
                    "damaged FIT file: a definition runs past the end of its data");
            Definition d;
            d.defined = true;
            d.bigEndian = data[pos + 1] == 1;
            d.global =
                d.bigEndian ? quint16((data[pos + 2] << 8) | data[pos + 3]) : le16(data + pos + 2);
            const int fieldCount = data[pos + 4];
            pos += 5;
            if (size - pos < fieldCount * 3)
                return QStringLiteral(
                    "damaged FIT file: a definition runs past the end of its data");
            for (int i = 0; i < fieldCount; ++i, pos += 3) {
                d.fields.append({data[pos], data[pos + 1], data[pos + 2]});
                d.size += data[pos + 1];
            }
            if (header & 0x20) {
                if (size - pos < 1)
                    return QStringLiteral(
                        "damaged FIT file: a definition runs past the end of its data");
                const int developerCount = data[pos++];
                if (size - pos < developerCount * 3)
                    return QStringLiteral(
                        "damaged FIT file: a definition runs past the end of its data");
                for (int i = 0; i < developerCount; ++i, pos += 3)
                    d.size += data[pos + 1];
            }
            definitions[local] = std::move(d);
            continue;
        }
        const Definition &d = definitions[local];
        if (!d.defined)
            return QStringLiteral("damaged FIT file: a message has no definition");
        if (size - pos < d.size)
            return QStringLiteral("damaged FIT file: a message runs past the end of its data");
        // Of the many other messages (records every second) only the timestamp matters: the
        // compressed headers that follow count from it.
        const bool keep = wanted(d.global);
        Message m;
        qsizetype at = pos;
        for (const FieldDefinition &f : d.fields) {
            if ((keep || f.number == TimestampField) && baseSize(f.baseType) == f.size) {
                const quint64 v = readUnsigned(data + at, f.size, d.bigEndian);
                if (!isInvalid(f.baseType, v)) {
                    if (f.number == TimestampField)
                        lastTimestamp = quint32(v);
                    m.values.append({f.number, v});
                }
            }
            at += f.size;
        }
        if (keep)
            collector.take(d.global, m);
        pos += d.size;
    }
    return QString();
}

} // namespace

bool FitReader::looksLikeFit(QByteArrayView bytes) {
    if (bytes.size() < 12)
        return false;
    const int headerSize = uchar(bytes[0]);
    return (headerSize == 12 || headerSize == 14) && bytes.sliced(8, 4) == QByteArrayView(".FIT");
}

quint16 FitReader::crc(QByteArrayView bytes, quint16 crc) {
    for (const char c : bytes)
        crc = quint16((crc >> 8) ^ CrcTable[(crc ^ quint8(c)) & 0xFF]);
    return crc;
}

DeviceFileContent FitReader::read(QByteArrayView bytes) {
    const auto *data = reinterpret_cast<const uchar *>(bytes.data());
    const qsizetype size = bytes.size();
    Collector collector;
    qsizetype pos = 0;
    // Several FIT files may follow each other, each with its own header, data and checksum.
    while (pos < size) {
        if (!looksLikeFit(bytes.sliced(pos)))
            return DeviceFileContent::refused(size - pos < 12 && pos > 0
                                                  ? QStringLiteral("FIT file cut short")
                                                  : QStringLiteral("wrong FIT header"));
        const int headerSize = data[pos];
        if (size - pos < headerSize)
            return DeviceFileContent::refused(QStringLiteral("FIT file cut short"));
        if (headerSize == 14) {
            const quint16 stated = le16(data + pos + 12);
            // A header checksum of zero means the writer did not compute one.
            if (stated != 0 && stated != crc(bytes.sliced(pos, 12)))
                return DeviceFileContent::refused(QStringLiteral("wrong FIT header checksum"));
        }
        const qint64 dataSize = le32(data + pos + 4);
        if (qint64(size - pos - headerSize) < dataSize + 2)
            return DeviceFileContent::refused(QStringLiteral("FIT file cut short"));
        const qsizetype end = pos + headerSize + qsizetype(dataSize);
        if (le16(data + end) != crc(bytes.sliced(pos, end - pos)))
            return DeviceFileContent::refused(QStringLiteral("FIT checksum does not match"));
        const QString damage = readRecords(data + pos + headerSize, qsizetype(dataSize), collector);
        if (!damage.isEmpty())
            return DeviceFileContent::refused(damage);
        pos = end + 2;
    }
    if (collector.timeless())
        return DeviceFileContent::refused(QStringLiteral("a FIT session has no start time"));
    if (!collector.hasSessions())
        return DeviceFileContent::refused(QStringLiteral("no session in the FIT file"));
    return {collector.sessions(), QString()};
}
