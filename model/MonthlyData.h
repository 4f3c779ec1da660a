#pragma once

#include "model/FetchRequest.h"
#include "model/Record.h"

// Part of the model for compatibility of the store; nothing reads or writes it.
class MonthlyData : public Record {
public:
    MonthlyData();
    explicit MonthlyData(const Record &record) : Record(record) {}

    static FetchRequest fetchRequest() { return FetchRequest(QStringLiteral("MonthlyData")); }
};
