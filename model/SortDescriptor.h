#pragma once

#include <QString>

// One sort key of a fetch, with its direction.
struct SortDescriptor {
    QString key;
    bool ascending = true;

    SortDescriptor(QString k, bool asc = true) : key(std::move(k)), ascending(asc) {}
};
