#include "util/Clock.h"

#include <QDateTime>

namespace {
std::function<qint64()> &overrideFn()
{
    static std::function<qint64()> fn;
    return fn;
}
} // namespace

qint64 Clock::nowMs()
{
    const auto &fn = overrideFn();
    return fn ? fn() : QDateTime::currentMSecsSinceEpoch();
}

void Clock::setOverride(std::function<qint64()> nowMs)
{
    overrideFn() = std::move(nowMs);
}
