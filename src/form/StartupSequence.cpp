#include "form/StartupSequence.h"

#include "config/Configurations.h"
#include "device/DeviceContext.h"
#include "form/MainWindow.h"
#include "form/SaveFailureNotice.h"
#include "form/TrayLink.h"
#include "form/UpgradeLink.h"
#include "form/tab/SharedGlContext.h"
#include "logic/businessLogic/monitor/BlueToothMonitor.h"
#include "logic/businessLogic/monitor/HidMonitor.h"
#include "logging/QsLog.h"
#include "platform/LinuxOsHelper.h"
#include "util/AppHelper.h"
#include "util/AtomicFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

namespace StartupSequence {

void setApplicationAttributes()
{
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    // The web pages' engine asks for shared contexts before the application object exists;
    // neither the engine nor the OpenGL driver is loaded before the first page is shown.
    SharedGlContext::prepareBeforeApplication();
}

void showWindow(MainWindow *window, bool startHidden)
{
    // The tray is followed from the start: a window living in it comes out when it goes.
    TrayLink::of(window);
    if (!startHidden) {
        window->show();
        return;
    }
    if (MainWindow::trayAvailable())
        return;
    if (TrayLink::of(window)->standInForTray())
        QLOG_WARN() << "started hidden, but there is no system tray to come back from: the window starts minimised";
    else
        QLOG_WARN() << "started hidden, but there is neither a system tray nor a window manager: the window is shown";
}

void removeUnfinishedSaves()
{
    const QString program = AppHelper::programDir();
    AtomicFile::removeLeftovers(program + QStringLiteral("/config"), true);
    AtomicFile::removeLeftovers(program + QStringLiteral("/assets/mirel/help"));
    // Copies in other program folders write their entry here too: only what no save in progress
    // can still be writing.
    AtomicFile::removeLeftovers(QFileInfo(LinuxOsHelper::autostartPath()).path(), false, 60);
}

void connectMonitors(MainWindow *window)
{
    QObject::connect(&HidMonitor::instance(), &HidMonitor::newDevice, window, &MainWindow::addDevice);
    QObject::connect(&HidMonitor::instance(), &HidMonitor::deleteDevice, window, &MainWindow::removeDevice);
    QObject::connect(&BlueToothMonitor::instance(), &BlueToothMonitor::newDevice, window, &MainWindow::addDevice);
    QObject::connect(&BlueToothMonitor::instance(), &BlueToothMonitor::deleteDevice, window, &MainWindow::removeDevice);
    // A device's settings that cannot be written are the user's to know about.
    SaveFailureNotice::connect(window);
}

void startDeferred(MainWindow *window)
{
    if (!Configurations::instance().disableBluetooth())
        QTimer::singleShot(BluetoothDelayMs, window, [] { BlueToothMonitor::instance().start(false); });
    // Changes of the device nodes matter from the first scan on: it finds whatever came before.
    QTimer::singleShot(FirstScanDelayMs, window, [window] {
        window->watchDeviceNodes();
        HidMonitor::instance().startScan(0);
    });
    QTimer::singleShot(UpdateCheckDelayMs, window, [] { UpgradeLink::checkUpdate(true, true); });
}

void wakeWindowOn(QObject *sender, const QMetaMethod &signal, MainWindow *window)
{
    // The same as the tray's open, so that the window comes out the same way whichever wakes it.
    const QMetaObject *meta = window->metaObject();
    QObject::connect(sender, signal, window, meta->method(meta->indexOfSlot("openTriggered()")));
}

} // namespace StartupSequence
