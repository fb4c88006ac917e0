#include "qui/control/KeyLineEdit.h"

#include "platform/VirtualKeyToQtKey.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace {
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Control:
    case Qt::Key_Shift:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_unknown:
    case 0:
        return true;
    default:
        return false;
    }
}

Qt::KeyboardModifiers usable(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
}
} // namespace

KeyLineEdit::KeyLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    // The signal carries the modifiers; queued receivers need the type registered.
    qRegisterMetaType<Qt::KeyboardModifiers>("Qt::KeyboardModifiers");
    // Keys go to the recorder, never to an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setPlaceholderText(TUI::tr("请按下快捷键"));
}

bool KeyLineEdit::isPlainKey(Qt::KeyboardModifiers modifiers, int key)
{
    const bool letterOrDigit = (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z);
    const bool strong = modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return letterOrDigit && !strong;
}

int KeyLineEdit::recordedKey(Qt::KeyboardModifiers modifiers, int key)
{
    // Shift+1 arrives as "!", but the key listener hears the 1 key with Shift held.
    return (modifiers & Qt::ShiftModifier) ? unshiftedQtKey(key) : key;
}

QString KeyLineEdit::keyName(Qt::KeyboardModifiers modifiers, int key)
{
    key = recordedKey(modifiers, key);
    if (isModifierKey(key) || isPlainKey(modifiers, key))
        return QString();
    // A combination that cannot be pressed for the user would be a shortcut that never works.
    if (qtKeyToVirtualKey(key) == 0)
        return QString();
    return QKeySequence(int(usable(modifiers)) | key).toString(QKeySequence::PortableText);
}

bool KeyLineEdit::event(QEvent *event)
{
    // Tab and Backtab would otherwise move the focus before the recorder sees them, and
    // application shortcuts would fire instead of being recorded.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QLineEdit::event(event);
}

void KeyLineEdit::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    // Shift+Tab arrives as Backtab; record it as the keys the user pressed.
    const int key = event->key() == Qt::Key_Backtab ? int(Qt::Key_Tab) : event->key();
    if (isModifierKey(key) || event->isAutoRepeat())
        return;
    const Qt::KeyboardModifiers modifiers = usable(event->modifiers());
    if (isPlainKey(modifiers, key)) {
        const QString reason = TNotify::tr("快捷键需要包含 Ctrl、Alt 或 Win 键");
        Toast::instance().showMessage(1, reason, 2000);
        emit keyRefused(reason);
        return;
    }
    const QString name = keyName(modifiers, key);
    if (name.isEmpty()) {
        const QString reason = TNotify::tr("这个按键不能用作快捷键");
        Toast::instance().showMessage(1, reason, 2000);
        emit keyRefused(reason);
        return;
    }
    setText(name);
    emit sigKeyChange(modifiers, recordedKey(modifiers, key), name);
}

void KeyLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    event->ignore();
}
