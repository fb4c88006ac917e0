#pragma once

#include "platform/IKeySender.h"

#include <QKeySequence>

// Key functions of the devices (Enter, Backspace, shortcuts) as simulated key events.
namespace KeyStroke {
// The Windows virtual-key code of a Qt key; 0 when there is none.
int virtualKey(int qtKey);
// The records of the first combination of keys: modifiers down, key down, key up, modifiers
// up in reverse order. Empty when the key has no virtual-key code.
QVector<KeyRecord> records(const QKeySequence &keys);
// Sends them through the platform key sender; false when nothing or not all went out.
bool send(const QKeySequence &keys);
} // namespace KeyStroke
