#include "form/AppExit.h"

#include "config/DeviceConfigHelper.h"

#include "form/MainWindow.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "util/AppHelper.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

namespace AppExit {
namespace {
std::function<void()> &lockRelease()
{
    static std::function<void()> release;
    return release;
}

// A restart asked for: the new copy starts once this one has finished its saves.
bool &restartPending()
{
    static bool pending = false;
    return pending;
}

ProcessStarter &processStarter()
{
    static ProcessStarter starter;
    return starter;
}

MainWindow *mainWindow()
{
    return qobject_cast<MainWindow *>(AppHelper::instance().mainWindow());
}

void startNewCopy()
{
    if (lockRelease())
        lockRelease()();
    const QString program = QCoreApplication::applicationFilePath();
    const ProcessStarter &starter = processStarter();
    const bool started = starter ? starter(program, {}) : QProcess::startDetached(program, {});
    if (started)
        QLOG_INFO() << "restarting:" << program;
    else
        QLOG_ERROR() << "restart failed: cannot start" << program;
}
} // namespace

void quit()
{
    if (MainWindow *window = mainWindow())
        window->quitApplication();
    else
        QCoreApplication::quit();
}

void quitLater(int ms)
{
    QTimer::singleShot(ms, QCoreApplication::instance(), [] { quit(); });
}

void restart()
{
    BlueToothMonitor::instance().stop();
    // The new copy is not started here: the word lists are still written as the application is
    // about to quit, and the device settings once more after the event loop; a copy holding the
    // lock meanwhile would clear the temporaries those saves write through.
    restartPending() = true;
    if (MainWindow *window = mainWindow())
        window->quitApplication();
    else
        QCoreApplication::quit();
}

int execUntilSaved()
{
    const int rc = QCoreApplication::exec();
    // The word lists were written as the application was about to quit.
    DeviceConfigHelper::instance().saveAll();
    if (restartPending()) {
        restartPending() = false;
        startNewCopy();
    }
    return rc;
}

void setLockRelease(std::function<void()> release)
{
    lockRelease() = std::move(release);
}

void setProcessStarter(ProcessStarter starter)
{
    processStarter() = std::move(starter);
}
} // namespace AppExit
