#include "form/AppExit.h"

#include "form/MainWindow.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "util/AppHelper.h"

#include <QCoreApplication>
#include <QPointer>
#include <memory>
#include <QProcess>
#include <QTimer>

namespace AppExit {
namespace {
std::function<void()> &lockRelease()
{
    static std::function<void()> release;
    return release;
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
    MainWindow *window = mainWindow();
    if (!window) {
        startNewCopy();
        QCoreApplication::quit();
        return;
    }
    // quitting comes after the settings were saved, while the event loop still runs.
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = QObject::connect(window, &MainWindow::quitting, window, [once] {
        QObject::disconnect(*once);
        startNewCopy();
    });
    window->quitApplication();
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
