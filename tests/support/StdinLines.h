#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <functional>

// Commands on standard input, one a line, for the helper programs that tests start: each
// whole line (without its newline) goes to the handler; the end of the input quits the
// application.
class StdinLines : public QObject
{
public:
    explicit StdinLines(std::function<void(const QByteArray &line)> handler, QObject *parent = nullptr);

private:
    void readAvailable();

    std::function<void(const QByteArray &)> m_handler;
    QSocketNotifier m_notifier;
    QByteArray m_pending;
};
