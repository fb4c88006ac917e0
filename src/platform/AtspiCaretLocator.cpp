#include "platform/AtspiCaretLocator.h"

#include "logging/QsLog.h"
#include "platform/AtspiCaretModule.h"
#include "platform/SessionBus.h"
#include "util/ModulePath.h"

#include <QLibrary>
#include <chrono>

AtspiCaretLocator::AtspiCaretLocator(int timeLimitMs)
    : m_timeLimitMs(timeLimitMs)
{
}

AtspiCaretLocator::~AtspiCaretLocator()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_cond.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

bool AtspiCaretLocator::busAvailable()
{
    return !qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS") || SessionBus::known();
}

std::optional<QPoint> AtspiCaretLocator::caretPosition()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_thread.joinable()) {
        if (!busAvailable()) {
            static bool said = false;
            if (!said) {
                QLOG_INFO() << "caret: no accessibility bus, the caret is not followed";
            }
            said = true;
            return std::nullopt;
        }
        m_thread = std::thread([this] { run(); });
    }
    if (m_busy || m_requested)
        return std::nullopt; // the last query is still hanging; do not pile up more
    const unsigned generation = ++m_generation;
    m_requested = true;
    m_cond.notify_all();
    const bool answered = m_cond.wait_for(lock, std::chrono::milliseconds(m_timeLimitMs), [&] {
        return m_doneGeneration >= generation;
    });
    if (!answered)
        return std::nullopt;
    return m_result;
}

void AtspiCaretLocator::run()
{
    VbAtspiCaret caret = nullptr;
    VbAtspiEnd end = nullptr;
    void *session = nullptr;
    bool failed = false;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_cond.wait(lock, [this] { return m_stop || m_requested; });
        if (m_stop)
            break;
        m_requested = false;
        m_busy = true;
        const unsigned generation = m_generation;
        lock.unlock();

        // The module, and the bus behind it, are loaded here on the worker: the caller never
        // waits longer than its time limit for them.
        if (!session && !failed) {
            QLibrary module(ModulePath::find(QStringLiteral("libvb_atspi.so")));
            const auto begin = reinterpret_cast<VbAtspiBegin>(module.resolve("vbAtspiBegin"));
            caret = reinterpret_cast<VbAtspiCaret>(module.resolve("vbAtspiCaret"));
            end = reinterpret_cast<VbAtspiEnd>(module.resolve("vbAtspiEnd"));
            if (!begin || !caret || !end) {
                failed = true;
                QLOG_WARN() << "caret: accessibility module not available:" << module.errorString();
            } else if (!(session = begin(m_timeLimitMs))) {
                failed = true;
                QLOG_WARN() << "caret: cannot reach the accessibility bus, the caret is not followed";
            }
        }
        std::optional<QPoint> result;
        int x = 0;
        int y = 0;
        if (session && caret(m_timeLimitMs, &x, &y))
            result = QPoint(x, y);

        lock.lock();
        m_busy = false;
        m_result = result;
        m_doneGeneration = generation;
        m_cond.notify_all();
    }
    lock.unlock();
    if (session)
        end(session);
}
