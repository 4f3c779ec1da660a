#include "model/MainLocations.h"

#include "model/Entity.h"

MainLocations::MainLocations() : Record(Entity::named(QStringLiteral("MainLocations"))) {}
