#pragma once

#include <QDateTime>
#include <functional>

// The device's clock for rules that depend on today. Tests set a fixed moment so what such a
// rule shows does not change with the day the test runs.
class Clock {
public:
    static QDateTime now();
    // An empty function gives the system clock back.
    static void set(std::function<QDateTime()> now);
};
