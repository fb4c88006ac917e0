#include "platform/LinuxOsHelper.h"

#include "logging/QsLog.h"
#include "platform/DesktopEntryReader.h"
#include "platform/X11KeyboardListener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
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
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Exec=") && line.size() > 5)
            return true;
    }
    return false;
}

bool LinuxOsHelper::setAutoStart(bool on)
{
    const QString path = autostartPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Quote the path so that folders with spaces survive the Exec field rules.
    QString program = QCoreApplication::applicationFilePath();
    program.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('"'), QStringLiteral("\\\""));
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Vellobox\n"
                                        "Exec=\"%1\" -h\nX-GNOME-Autostart-enabled=true\n")
                             .arg(program);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        QLOG_ERROR() << "cannot write autostart entry" << path;
        return false;
    }
    return true;
}
