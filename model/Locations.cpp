#include "model/Locations.h"

#include "model/Entity.h"

Locations::Locations() : Record(Entity::named(QStringLiteral("Locations"))) {}
