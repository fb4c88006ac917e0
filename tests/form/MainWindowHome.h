#pragma once

#include "device/DeviceContext.h"
#include "device/DeviceMap.h"
#include "form/DeviceHub.h"
#include "form/MainWindow.h"
#include "support/TestHome.h"

#include <QCoreApplication>
#include <QEvent>
#include <QStringList>
#include <memory>

// A main window in a temporary program folder, with a tray as far as the window knows, and
// the devices the test plugged in. stop() removes them in the program's own order: the window
// first, then each device's hub and context.
struct MainWindowHome {
    std::unique_ptr<TestHome> home;
    std::unique_ptr<MainWindow> window;
    QStringList journal;

    void start()
    {
        home = std::make_unique<TestHome>();
        journal.clear();
        MainWindow::setTrayAvailableForTest(true);
        window = std::make_unique<MainWindow>();
    }

    void stop()
    {
        window.reset();
        const auto devices = DeviceMap::instance().snapshot();
        for (DeviceContext *context : devices) {
            DeviceHub::release(context);
            delete context;
        }
        DeviceMap::instance().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        MainWindow::setTrayAvailableForTest(std::nullopt);
        home.reset();
    }
};
