#include "platform/SystemTrayWatcher.h"

#include <QGuiApplication>
#include <QX11Info>

SystemTrayWatcher::SystemTrayWatcher(QObject *parent)
    : QObject(parent)
{
    if (!QGuiApplication::instance() || !QX11Info::isPlatformX11())
        return;
    // The platform's native interface is a QObject whose class Qt keeps private: its signal is
    // reached by name, as Qt's own tray icon reaches it.
    auto *platform = reinterpret_cast<QObject *>(QGuiApplication::platformNativeInterface());
    if (platform)
        connect(platform, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(trayWindowChanged()));
}

void SystemTrayWatcher::trayWindowChanged()
{
    QMetaObject::invokeMethod(this, &SystemTrayWatcher::changed, Qt::QueuedConnection);
}
