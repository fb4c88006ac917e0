#pragma once

#include "platform/IOsHelper.h"

#include <QHash>
#include <QPointer>

class X11KeyboardListener;

// IOsHelper on Linux/X11: XDG autostart and .desktop entries, XInput2 key listening.
class LinuxOsHelper : public IOsHelper
{
    Q_OBJECT
public:
    explicit LinuxOsHelper(QObject *parent = nullptr);
    ~LinuxOsHelper() override;

    bool addKeyboardHook(const QString &name, KeyboardCallback callback) override;
    void removeKeyboardHook(const QString &name) override;
    QVector<InstalledProgram> installedPrograms() override;
    bool isWindows11() const override { return false; }
    bool isAutoStart() override;
    bool setAutoStart(bool on) override;

    // $XDG_CONFIG_HOME/autostart/vellobox.desktop
    static QString autostartPath();
    // One argument of a desktop entry's Exec value: quoted and escaped as the key file wants.
    static QString quotedExecArgument(const QString &argument);

private:
    void dispatchKey(int message, int virtualKey, int modifiers);

    QPointer<X11KeyboardListener> m_listener;
    QHash<QString, KeyboardCallback> m_hooks;
};
