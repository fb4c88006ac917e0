#include "logic/businessLogic/KeyStroke.h"

#include "logging/QsLog.h"
#include "platform/VirtualKeyToQtKey.h"
#include "platform/VirtualKeys.h"

#include <QHash>

namespace KeyStroke {

int virtualKey(int qtKey)
{
    // The platform maps virtual keys to Qt keys; the reverse is built once from it.
    static const QHash<int, int> table = [] {
        QHash<int, int> t;
        for (int vk = 1; vk < 256; ++vk) {
            const int key = virtualKeyToQtKey(vk);
            if (key != 0 && !t.contains(key))
                t.insert(key, vk);
        }
        t.insert(Qt::Key_Enter, VirtualKeys::VK_RETURN);
        return t;
    }();
    return table.value(qtKey, 0);
}

QVector<KeyRecord> records(const QKeySequence &keys)
{
    if (keys.isEmpty())
        return {};
    const int combination = keys[0];
    const int key = combination & ~int(Qt::KeyboardModifierMask);
    const int vk = virtualKey(key);
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
