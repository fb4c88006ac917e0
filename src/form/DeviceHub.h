#pragma once

#include "device/VelloboxTypes.h"

#include <QString>

class DeviceContext;
class QWidget;

// The main window's dealings with a device's function hub, in one place.
namespace DeviceHub {
enum Release {
    WhenShutDown, // the hub is deleted once its shutdown has finished (device removal)
    Now           // shut down and deleted at once (the program ends)
};

// Creates the device's hub (stored in the context) with its typing tips.
void create(QWidget *mainWindow, DeviceContext *context);
// Sends the device logic's actions to the hub.
void connectLogic(DeviceContext *context);
// Cuts the logic off the hub, shuts the hub down and deletes it; the context forgets it.
void release(DeviceContext *context, Release when);
// Runs one action on the device's hub directly; false when the device has none.
bool invoke(DeviceContext *context, VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text);
// Stops the word-pick translation (at exit).
void stopWordPick();
} // namespace DeviceHub
