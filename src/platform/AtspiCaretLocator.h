#pragma once

#include "platform/ICaretLocator.h"

#include <condition_variable>
#include <mutex>
#include <thread>

// Finds the caret through the AT-SPI accessibility bus. The bus calls run on a worker thread
// of their own; the caller waits at most the time limit (250 ms) and a slow application
// only costs it that wait: a query still running is not queued behind.
class AtspiCaretLocator : public ICaretLocator
{
public:
    explicit AtspiCaretLocator(int timeLimitMs = 250);
    ~AtspiCaretLocator() override;
    AtspiCaretLocator(const AtspiCaretLocator &) = delete;
    AtspiCaretLocator &operator=(const AtspiCaretLocator &) = delete;

    std::optional<QPoint> caretPosition() override;

    // Whether an accessibility bus can be reached at all (a session bus or an explicit
    // AT-SPI bus address); without one no query is made.
    static bool busAvailable();

private:
    void run();

    const int m_timeLimitMs;
    std::mutex m_mutex;
    std::condition_variable m_cond;
    std::thread m_thread;
    bool m_stop = false;
    bool m_requested = false;
    bool m_busy = false;
    unsigned m_generation = 0;     // queries asked for
    unsigned m_doneGeneration = 0; // queries answered
    std::optional<QPoint> m_result;
};
