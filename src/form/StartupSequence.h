#pragma once

#include <QMetaMethod>

class MainWindow;

// What the program starts once the main window stands: the device monitors feed the window,
// and three one-shot timers start Bluetooth discovery, the first HID scan and the update
// check a little later, so that the window appears first.
namespace StartupSequence {
constexpr int BluetoothDelayMs = 1000;
constexpr int FirstScanDelayMs = 2000;
constexpr int UpdateCheckDelayMs = 5000;

// The Qt attributes that must be set before the application object is made: high-DPI
// scaling and pixmaps, and OpenGL contexts shared as the embedded web pages need them (made
// when the first page is shown, so a start loads no OpenGL driver).
void setApplicationAttributes();
// Shows the window unless asked to start hidden. Hidden needs a tray to come back from:
// without one the window shows anyway, minimised when a window manager can restore it, and
// goes into the tray once one comes. From then on the tray is followed: when it goes, a window
// hidden in it comes out the same way.
void showWindow(MainWindow *window, bool startHidden);
// Removes what saves cut short by a kill or a crash left in the folders the program saves into.
// Only once this copy holds the instance lock: no other copy saves into its folder then.
void removeUnfinishedSaves();
// Connects HidMonitor and BlueToothMonitor (newDevice, deleteDevice) to the window, and the
// settings store's save failures to their notice.
void connectMonitors(MainWindow *window);
// Starts the three timers; Bluetooth only unless "/Debug/DisableBluetooth" is set.
void startDeferred(MainWindow *window);
// A second start of the program wakes this one through the sender's signal (one without
// arguments): the window comes to the front, unminimised, as the tray's open brings it.
void wakeWindowOn(QObject *sender, const QMetaMethod &signal, MainWindow *window);
template <typename Sender>
void wakeWindowOn(Sender *sender, void (Sender::*signal)(), MainWindow *window)
{
    wakeWindowOn(sender, QMetaMethod::fromSignal(signal), window);
}
} // namespace StartupSequence
