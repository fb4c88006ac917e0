#include "StdinLines.h"

#include <QCoreApplication>
#include <unistd.h>

StdinLines::StdinLines(std::function<void(const QByteArray &line)> handler, QObject *parent)
    : QObject(parent), m_handler(std::move(handler)), m_notifier(STDIN_FILENO, QSocketNotifier::Read)
{
    connect(&m_notifier, &QSocketNotifier::activated, this, &StdinLines::readAvailable);
}

void StdinLines::readAvailable()
{
    char buf[512];
    const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
    if (n <= 0) {
        QCoreApplication::quit();
        return;
    }
    m_pending.append(buf, int(n));
    int end;
    while ((end = m_pending.indexOf('\n')) >= 0) {
        const QByteArray line = m_pending.left(end);
        m_pending.remove(0, end + 1);
        m_handler(line);
    }
}
