#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// An installed program as the voice search offers it.
struct InstalledProgram
{
    QString displayName;
    QString iconPath;
    QString programPath;
    // What Linux adds: the command's arguments and the folder to start in (may be empty).
    QStringList arguments;
    QString workingDirectory;
    // The desktop entry file the program was read from (empty when it came from elsewhere).
    QString entryPath;
};

// The operating-system helper: global key listening, installed programs, OS checks and
// auto start. Callers see Windows-style key messages so that key handling is the same
// everywhere; the Linux implementation translates X11 events into them.
class IOsHelper : public QObject
{
    Q_OBJECT
public:
    enum Message { WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_SYSKEYDOWN = 0x0104, WM_SYSKEYUP = 0x0105 };
    enum Modifier { ShiftModifier = 0x02000000, CtrlModifier = 0x04000000, AltModifier = 0x08000000 };
    using KeyboardCallback = std::function<void(int message, int virtualKey, int modifiers)>;

    // The process-wide helper, created on first use.
    static IOsHelper *instance();

    // Registers (or replaces) a named callback of the one global key listener, which starts
    // on first use. Callbacks run on the GUI thread for every key press and release of any
    // application; keys are never swallowed. The modifiers are those held before the key (a
    // Ctrl press itself reports none, its release reports Ctrl). Keys typed with Alt held,
    // Alt itself and F10 come as WM_SYSKEYDOWN/WM_SYSKEYUP. Modifier keys report their left
    // or right code (VK_LCONTROL ...). False when no listener can run (no X display); the
    // callback stays registered and is not called.
    virtual bool addKeyboardHook(const QString &name, KeyboardCallback callback) = 0;
    virtual void removeKeyboardHook(const QString &name) = 0;

    virtual QVector<InstalledProgram> installedPrograms() = 0;
    virtual bool isWindows11() const = 0;

    // Auto start at log-in, with the program started hidden (" -h").
    virtual bool isAutoStart() = 0;
    virtual bool setAutoStart(bool on) = 0;

protected:
    using QObject::QObject;
};
