#include "model/LeadingNumberSum.h"

#include "platform/NumberReading.h"

#include <QSqlDriver>
#include <QVariant>
#include <sqlite3.h>

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
                                   nullptr, nullptr, step, finish, nullptr) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(connection));
        return false;
    }
    return true;
}
