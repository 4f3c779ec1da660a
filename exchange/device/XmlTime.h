#pragma once

#include <QDateTime>
#include <QString>

// An ISO 8601 time of a TCX or GPX file ("2024-03-05T06:30:00Z", with or without fractions or
// an offset) as a UTC moment; invalid when it is not one. A time without a zone is UTC.
QDateTime xmlTime(const QString &text);
