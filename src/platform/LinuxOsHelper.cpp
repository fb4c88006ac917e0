#include "platform/LinuxOsHelper.h"

#include "logging/QsLog.h"
#include "platform/DesktopEntryReader.h"
#include "platform/X11KeyboardListener.h"
#include "util/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>

namespace {
QPointer<X11KeyboardListener> s_listenerToClose;
} // namespace

IOsHelper *IOsHelper::instance()
{
    static LinuxOsHelper helper;
    return &helper;
}

LinuxOsHelper::LinuxOsHelper(QObject *parent)
    : IOsHelper(parent)
{
}

LinuxOsHelper::~LinuxOsHelper() = default;

bool LinuxOsHelper::addKeyboardHook(const QString &name, KeyboardCallback callback)
{
    m_hooks.insert(name, std::move(callback));
    if (!m_listener) {
        m_listener = new X11KeyboardListener(this);
        connect(m_listener, &X11KeyboardListener::keyEvent, this, &LinuxOsHelper::dispatchKey);
        // This helper outlives the application object; its socket notifier must not.
        s_listenerToClose = m_listener;
        qAddPostRoutine([] { delete s_listenerToClose.data(); });
    }
    if (!m_listener->isRunning() && !m_listener->start()) {
        QLOG_WARN() << "keyboard hook" << name << "registered, but no key listener can run";
        return false;
    }
    return true;
}

void LinuxOsHelper::dispatchKey(int message, int virtualKey, int modifiers)
{
    // A copy: a callback may add or remove hooks.
    const QHash<QString, KeyboardCallback> hooks = m_hooks;
    for (auto it = hooks.cbegin(); it != hooks.cend(); ++it) {
        if (it.value())
            it.value()(message, virtualKey, modifiers);
    }
}

void LinuxOsHelper::removeKeyboardHook(const QString &name)
{
    m_hooks.remove(name);
}

QVector<InstalledProgram> LinuxOsHelper::installedPrograms()
{
    return DesktopEntryReader::installedPrograms(DesktopEntryReader::applicationDirs());
}

QString LinuxOsHelper::autostartPath()
{
    QString base = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/autostart/vellobox.desktop");
}

bool LinuxOsHelper::isAutoStart()
{
    QFile file(autostartPath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    // Only the main group counts; Hidden=true means the entry is deleted, and GNOME's switch
    // turned off means it does not start.
    bool inMain = false;
    bool hasExec = false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        if (!inMain)
            continue;
        const int eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if (key == "Exec")
            hasExec = !value.isEmpty();
        else if (key == "Hidden" && value == "true")
            return false;
        else if (key == "X-GNOME-Autostart-enabled" && value == "false")
            return false;
    }
    return hasExec;
}

QString LinuxOsHelper::quotedExecArgument(const QString &argument)
{
    // The Exec rules: inside double quotes, the double quote, backquote, dollar and backslash
    // take a backslash; '%' is doubled (field codes). The key file's string escapes then double
    // every backslash.
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$'))
            quoted += QStringLiteral("\\\\") + c;
        else if (c == QLatin1Char('\\'))
            quoted += QLatin1String("\\\\\\\\");
        else if (c == QLatin1Char('%'))
            quoted += QLatin1String("%%");
        else if (c == QLatin1Char('\n'))
            quoted += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            quoted += QLatin1String("\\t");
        else if (c == QLatin1Char('\r'))
            quoted += QLatin1String("\\r");
        else
            quoted += c;
    }
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool LinuxOsHelper::setAutoStart(bool on)
{
    const QString path = autostartPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString command = quotedExecArgument(QCoreApplication::applicationFilePath());
    // A program started with its own folder comes back at login with the same folder.
    const QByteArray home = qgetenv("VELLOBOX_HOME");
    if (!home.isEmpty()) {
        const QString folder = QDir(QString::fromLocal8Bit(home)).absolutePath();
        command = QStringLiteral("env ") + quotedExecArgument(QStringLiteral("VELLOBOX_HOME=") + folder)
            + QLatin1Char(' ') + command;
    }
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Vellobox\n"
                                        "Exec=%1 -h\nX-GNOME-Autostart-enabled=true\n")
                             .arg(command);
    QString error;
    if (!AtomicFile::write(path, text.toUtf8(), &error)) {
        QLOG_ERROR() << "cannot write autostart entry" << path << error;
        return false;
    }
    return true;
}
