#include "logic/businessLogic/KeyStroke.h"

#include "logging/QsLog.h"
#include "platform/VirtualKeyToQtKey.h"
#include "platform/VirtualKeys.h"

namespace KeyStroke {

int virtualKey(int qtKey)
{
    return qtKeyToVirtualKey(qtKey);
}

QVector<KeyRecord> records(const QKeySequence &keys)
{
    if (keys.isEmpty())
        return {};
    int combination = keys[0];
    int key = combination & ~int(Qt::KeyboardModifierMask);
    if (virtualKey(key) == 0 && unshiftedQtKey(key) != key) {
        // A symbol stored as typed ("Ctrl+Shift+!"): press its key with Shift.
        key = unshiftedQtKey(key);
        combination = (combination & int(Qt::KeyboardModifierMask)) | int(Qt::ShiftModifier) | key;
    }
    // The number pad's key only when the combination was recorded on it.
    const int vk = qtKeyToVirtualKey(key, combination & Qt::KeypadModifier);
    if (vk == 0) {
        QLOG_WARN() << "no virtual key for" << keys.toString(QKeySequence::PortableText);
        return {};
    }
    QVector<int> modifiers;
    if (combination & Qt::ControlModifier)
        modifiers << VirtualKeys::VK_CONTROL;
    if (combination & Qt::ShiftModifier)
        modifiers << VirtualKeys::VK_SHIFT;
    if (combination & Qt::AltModifier)
        modifiers << VirtualKeys::VK_MENU;
    if (combination & Qt::MetaModifier)
        modifiers << virtualKey(Qt::Key_Meta);
    QVector<KeyRecord> out;
    for (int m : qAsConst(modifiers))
        out.append({m, false});
    out.append({vk, false});
    out.append({vk, true});
    for (int i = modifiers.size() - 1; i >= 0; --i)
        out.append({modifiers[i], true});
    return out;
}

bool send(const QKeySequence &keys)
{
    const QVector<KeyRecord> list = records(keys);
    if (list.isEmpty())
        return false;
    const int sent = IKeySender::instance()->send(list);
    if (sent < list.size()) {
        QLOG_WARN() << "key sender sent" << sent << "of" << list.size() << "key events";
        return false;
    }
    return true;
}

} // namespace KeyStroke
