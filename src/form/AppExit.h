#pragma once

#include <QStringList>
#include <functional>

// Ending and restarting the program through the main window's orderly exit (every device's
// settings saved, devices released), whoever asks for it.
namespace AppExit {
// The orderly exit now; without a main window the event loop just ends.
void quit();
// The orderly exit after ms, on a timer that does not depend on the asker living that long.
void quitLater(int ms);
// The orderly exit, then a new copy of the program without arguments. The copy is started by
// execUntilSaved, after every save of this one and the single-instance lock's release, so it is
// neither refused nor in the way of a save still running.
void restart();
// Runs the event loop; once it ends, saves the device settings and starts the copy a restart
// asked for. Returns the event loop's code.
int execUntilSaved();

// main hands over how the single-instance lock is let go.
void setLockRelease(std::function<void()> release);
// How a process is started; QProcess::startDetached unless a test sets its own (empty restores).
using ProcessStarter = std::function<bool(const QString &program, const QStringList &arguments)>;
void setProcessStarter(ProcessStarter starter);
} // namespace AppExit
