#include "util/Clock.h"

#include <QDateTime>
#include <QElapsedTimer>

namespace {
std::function<qint64()> &overrideFn()
{
    static std::function<qint64()> fn;
    return fn;
}

std::function<qint64()> &monotonicOverrideFn()
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

qint64 Clock::monotonicMs()
{
    const auto &fn = monotonicOverrideFn();
    if (fn)
        return fn();
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}

void Clock::setMonotonicOverride(std::function<qint64()> monotonicMs)
{
    monotonicOverrideFn() = std::move(monotonicMs);
}
