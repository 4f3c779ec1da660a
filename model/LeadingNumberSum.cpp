#include "model/LeadingNumberSum.h"

#include "platform/NumberReading.h"

#include <QSqlDriver>
#include <QVariant>
#include <algorithm>
#include <cstring>
#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace {

struct Sum {
    double value;
};

void step(sqlite3_context *context, int, sqlite3_value **arguments) {
    // SQLite hands out the accumulator zeroed on the first row.
    auto *sum = static_cast<Sum *>(sqlite3_aggregate_context(context, sizeof(Sum)));
    if (!sum || sqlite3_value_type(arguments[0]) == SQLITE_NULL)
        return;
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    sum->value +=
        NumberReading::leadingNumber(QByteArrayView(text, sqlite3_value_bytes(arguments[0])));
}

void finish(sqlite3_context *context) {
    const auto *sum = static_cast<Sum *>(sqlite3_aggregate_context(context, 0));
    sqlite3_result_double(context, sum ? sum->value : 0.0);
}

// One component of a row's sort key, ordered as SQLite orders values: absent, then numbers,
// then texts (byte order), then anything else. A text's first 8 bytes decide most
// comparisons; the whole text sits in a shared arena for the others.
struct KeyPart {
    union {
        double number;
        uint64_t prefix;
    };
    uint32_t offset;
    uint32_t length : 30;
    uint32_t rank : 2;
};

// A row as it waits to be added: its key parts and where its values are.
constexpr int MaxKeys = 3;
struct Entry {
    KeyPart part[MaxKeys];
    uint32_t row;
};

// The same row when every key part fits a 64-bit code that orders as the part does: the
// common case (years, months, days, short texts) sorts as plain integers.
struct Packed {
    uint64_t code[MaxKeys];
    uint32_t row;
};

struct OrderedSums {
    std::vector<Packed> packed;
    std::string directions; // 'a' or 'd' per key part
    int values = 0;         // texts summed per row
    std::vector<Entry> entries;
    std::string texts;
    std::vector<double> numbers; // the leading numbers, `values` per row

    KeyPart keyOf(sqlite3_value *value) {
        KeyPart part{};
        const int type = sqlite3_value_type(value);
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            part.rank = 1;
            part.number = sqlite3_value_double(value);
        } else if (type != SQLITE_NULL) {
            part.rank = type == SQLITE_TEXT ? 2 : 3;
            const char *bytes = type == SQLITE_TEXT
                                    ? reinterpret_cast<const char *>(sqlite3_value_text(value))
                                    : static_cast<const char *>(sqlite3_value_blob(value));
            const uint32_t length = uint32_t(sqlite3_value_bytes(value));
            part.offset = uint32_t(texts.size());
            part.length = length;
            texts.append(bytes, length);
            part.prefix = 0;
            for (uint32_t i = 0; i < 8; ++i)
                part.prefix =
                    (part.prefix << 8) | (i < length ? static_cast<unsigned char>(bytes[i]) : 0u);
        }
        return part;
    }
    int compare(const KeyPart &a, const KeyPart &b) const {
        if (a.rank != b.rank)
            return a.rank < b.rank ? -1 : 1;
        if (a.rank == 0)
            return 0;
        if (a.rank == 1)
            return a.number < b.number ? -1 : a.number > b.number ? 1 : 0;
        if (a.prefix != b.prefix)
            return a.prefix < b.prefix ? -1 : 1;
        const int c = a.length <= 8 || b.length <= 8
                          ? 0
                          : std::memcmp(texts.data() + a.offset, texts.data() + b.offset,
                                        std::min(a.length, b.length));
        return c != 0 ? c : a.length < b.length ? -1 : a.length > b.length ? 1 : 0;
    }
    bool before(const Entry &a, const Entry &b) const {
        for (size_t i = 0; i < directions.size(); ++i) {
            const int c = compare(a.part[i], b.part[i]);
            if (c != 0)
                return directions[i] == 'd' ? c > 0 : c < 0;
        }
        return a.row < b.row; // ties keep the order the rows came in
    }
};

// Absent below whole numbers 0 .. 2^32 below texts of up to 7 bytes; false for anything else.
bool packPart(const KeyPart &part, uint64_t &code) {
    switch (part.rank) {
    case 0:
        code = 0;
        return true;
    case 1:
        if (!(part.number >= 0 && part.number < 4294967296.0) ||
            part.number != double(uint64_t(part.number)))
            return false;
        code = (uint64_t(1) << 62) | uint64_t(part.number);
        return true;
    case 2:
        if (part.length > 7)
            return false;
        code = (uint64_t(2) << 62) | ((part.prefix >> 8) << 3) | part.length;
        return true;
    default:
        return false;
    }
}

bool pack(const OrderedSums &sums, std::vector<Packed> &out) {
    const size_t keys = sums.directions.size();
    out.resize(sums.entries.size());
    for (size_t r = 0; r < sums.entries.size(); ++r) {
        const Entry &entry = sums.entries[r];
        for (size_t i = 0; i < keys; ++i) {
            uint64_t code;
            if (!packPart(entry.part[i], code))
                return false;
            out[r].code[i] = sums.directions[i] == 'd' ? ~code : code;
        }
        out[r].row = entry.row;
    }
    return true;
}

// The buffers of the last sum are kept for the next, so a large log is not laid out in fresh
// memory (and faulted in page by page) every time the totals are added up.
std::unique_ptr<OrderedSums> &spare() {
    static std::unique_ptr<OrderedSums> kept;
    return kept;
}

OrderedSums *takeSpare() {
    OrderedSums *sums = spare() ? spare().release() : new OrderedSums;
    sums->entries.clear();
    sums->packed.clear();
    sums->texts.clear();
    sums->numbers.clear();
    return sums;
}

// orderedleadingsums(directions, key..., value...): rows are kept and added up once all are
// in, in the order of their keys, ties in the order they came.
void orderedStep(sqlite3_context *context, int count, sqlite3_value **arguments) {
    auto **state =
        static_cast<OrderedSums **>(sqlite3_aggregate_context(context, sizeof(OrderedSums *)));
    if (!state)
        return;
    if (!*state) {
        *state = takeSpare();
        (*state)->directions = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
        (*state)->values = std::max(0, count - 1 - int((*state)->directions.size()));
    }
    OrderedSums &sums = **state;
    const int keys = int(sums.directions.size());
    if (keys > MaxKeys) {
        sqlite3_result_error(context, "orderedleadingsums takes at most 3 sort keys", -1);
        return;
    }
    if (count != 1 + keys + sums.values)
        return;
    Entry entry{};
    for (int i = 0; i < keys; ++i)
        entry.part[i] = sums.keyOf(arguments[1 + i]);
    entry.row = uint32_t(sums.entries.size());
    sums.entries.push_back(entry);
    for (int i = 1 + keys; i < count; ++i) {
        if (sqlite3_value_type(arguments[i]) == SQLITE_NULL) {
            sums.numbers.push_back(0);
            continue;
        }
        const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[i]));
        sums.numbers.push_back(
            NumberReading::leadingNumber(QByteArrayView(text, sqlite3_value_bytes(arguments[i]))));
    }
}

void orderedFinish(sqlite3_context *context) {
    auto **state = static_cast<OrderedSums **>(sqlite3_aggregate_context(context, 0));
    std::unique_ptr<OrderedSums> sums(state ? *state : nullptr);
    if (!sums || sums->entries.empty() || sums->values <= 0) {
        sqlite3_result_null(context);
        if (sums)
            spare() = std::move(sums);
        return;
    }
    const size_t values = size_t(sums->values);
    std::vector<double> total(values, 0.0);
    const auto add = [&](uint32_t row) {
        for (size_t i = 0; i < values; ++i)
            total[i] += sums->numbers[row * values + i];
    };
    std::vector<Packed> &packed = sums->packed;
    if (pack(*sums, packed)) {
        const size_t keys = sums->directions.size();
        std::sort(packed.begin(), packed.end(), [keys](const Packed &a, const Packed &b) {
            for (size_t i = 0; i < keys; ++i)
                if (a.code[i] != b.code[i])
                    return a.code[i] < b.code[i];
            return a.row < b.row;
        });
        for (const Packed &entry : packed)
            add(entry.row);
    } else {
        const OrderedSums &all = *sums;
        std::sort(sums->entries.begin(), sums->entries.end(),
                  [&all](const Entry &a, const Entry &b) { return all.before(a, b); });
        for (const Entry &entry : sums->entries)
            add(entry.row);
    }
    sqlite3_result_blob(context, total.data(), int(total.size() * sizeof(double)),
                        SQLITE_TRANSIENT);
    spare() = std::move(sums);
}

} // namespace

bool LeadingNumberSum::registerOn(QSqlDatabase &db, QString *error) {
    // Qt's SQLite driver links the same system SQLite library as this file.
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0 ||
        !*static_cast<sqlite3 *const *>(handle.data())) {
        *error = QStringLiteral("the store connection offers no SQLite handle");
        return false;
    }
    sqlite3 *connection = *static_cast<sqlite3 *const *>(handle.data());
    if (sqlite3_create_function_v2(connection, "leadingsum", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   nullptr, nullptr, step, finish, nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(connection, "orderedleadingsums", -1,
                                   SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, nullptr,
                                   orderedStep, orderedFinish, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(connection));
        return false;
    }
    return true;
}
