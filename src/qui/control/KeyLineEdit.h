#pragma once

#include <QLineEdit>

// Records a key combination instead of text: pressing Ctrl+Q shows "Ctrl+Q"
// (QKeySequence::PortableText, the form the settings store). Keys are recorded as the key
// listener hears them, by their unshifted symbol: Ctrl+Shift+1, never Ctrl+Shift+!.
// A lone letter or digit, with or without Shift, is refused: as a global shortcut it would
// swallow typing. So is a key the program cannot press itself.
class KeyLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit KeyLineEdit(QWidget *parent = nullptr);

    // The combination's text, or empty when the key press is not a usable combination.
    static QString keyName(Qt::KeyboardModifiers modifiers, int key);
    // The key as it is recorded and announced: the unshifted one when Shift is held.
    static int recordedKey(Qt::KeyboardModifiers modifiers, int key);
    // True for a letter or digit without Ctrl, Alt or Meta.
    static bool isPlainKey(Qt::KeyboardModifiers modifiers, int key);

signals:
    // key is the recorded key (recordedKey).
    void sigKeyChange(Qt::KeyboardModifiers modifiers, int key, const QString &keyName);
    // A key press that was not taken, with the reason shown to the user.
    void keyRefused(const QString &reason);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};
