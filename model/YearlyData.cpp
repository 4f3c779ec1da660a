#include "model/YearlyData.h"

#include "model/Entity.h"

YearlyData::YearlyData() : Record(Entity::named(QStringLiteral("YearlyData"))) {}
