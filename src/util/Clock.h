#pragma once

#include <QtGlobal>
#include <functional>

// The program's clock. Tests replace it to make time-dependent rules repeatable.
class Clock
{
public:
    static qint64 nowMs();
    static qint64 nowSeconds() { return nowMs() / 1000; }
    // An empty function restores the system clock.
    static void setOverride(std::function<qint64()> nowMs);

    // Milliseconds on a clock that only moves forward, whatever is done to the wall clock:
    // for lengths of time. Its zero is arbitrary.
    static qint64 monotonicMs();
    // An empty function restores the system's monotonic clock.
    static void setMonotonicOverride(std::function<qint64()> monotonicMs);
};
