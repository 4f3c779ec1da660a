#include "platform/Clock.h"

namespace {

std::function<QDateTime()> &source() {
    static std::function<QDateTime()> now;
    return now;
}

} // namespace

QDateTime Clock::now() {
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::set(std::function<QDateTime()> now) {
    source() = std::move(now);
}
