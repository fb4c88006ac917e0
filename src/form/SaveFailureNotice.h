#pragma once

#include <QString>

class QObject;

// Tells the user when a device's settings cannot be written: a red toast with the reason, once
// per device and reason, so a full disk does not flood the screen on every change.
namespace SaveFailureNotice {
// Connects the settings store's failures to the notice for as long as context lives.
void connect(QObject *context);
// Shows the notice unless this device already had it for this reason; true when shown.
bool notify(const QString &deviceKey, const QString &reason);
// Forgets what was shown (tests).
void reset();
} // namespace SaveFailureNotice
