#pragma once

#include "device/VelloboxTypes.h"

#include <QString>

class DeviceContext;
class QWidget;

// The main window's dealings with a device's function hub, in one place.
namespace DeviceHub {
// Creates the device's hub (stored in the context) with the device's floating windows.
void create(QWidget *mainWindow, DeviceContext *context);
// Sends the device logic's actions to the hub.
void connectLogic(DeviceContext *context);
// Cuts the logic off the hub, shuts the hub down and deletes it once the shutdown has
// finished; the context forgets it. Call while the context still exists: the hub reads it
// until it is gone.
void release(DeviceContext *context);
// Runs one action on the device's hub directly; false when the device has none.
bool invoke(DeviceContext *context, VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text);
// Stops the word-pick translation (at exit).
void stopWordPick();
} // namespace DeviceHub
