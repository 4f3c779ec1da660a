#include "model/MonthlyData.h"

#include "model/Entity.h"

MonthlyData::MonthlyData() : Record(Entity::named(QStringLiteral("MonthlyData"))) {}
