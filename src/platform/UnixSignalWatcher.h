#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGINT (the session ending, Ctrl+C) into a signal on the GUI thread, so
// that the program can leave through its orderly exit and save its settings. The handler
// only writes one byte into a pipe that a socket notifier watches.
class UnixSignalWatcher : public QObject
{
    Q_OBJECT
public:
    explicit UnixSignalWatcher(QObject *parent = nullptr);
    ~UnixSignalWatcher() override;

    // Installs the handlers; false when the pipe or a handler cannot be set up.
    bool watch();

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier *m_notifier = nullptr;
};
