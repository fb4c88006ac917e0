#pragma once

#include <QLineEdit>

// Records a key combination instead of text: pressing Ctrl+Q shows "Ctrl+Q"
// (QKeySequence::PortableText, the form the settings store). A lone letter or digit,
// with or without Shift, is refused: as a global shortcut it would swallow typing.
class KeyLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit KeyLineEdit(QWidget *parent = nullptr);

    // The combination's text, or empty when the key press is not a usable combination.
    static QString keyName(Qt::KeyboardModifiers modifiers, int key);
    // True for a letter or digit without Ctrl, Alt or Meta.
    static bool isPlainKey(Qt::KeyboardModifiers modifiers, int key);

signals:
    void sigKeyChange(Qt::KeyboardModifiers modifiers, int key, const QString &keyName);
    // A key press that was not taken, with the reason shown to the user.
    void keyRefused(const QString &reason);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
};
