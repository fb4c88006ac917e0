#include "support/WindowManagerSession.h"

#include "platform/WindowManagerProbe.h"

#include <QStandardPaths>
#include <QTest>

QString WindowManagerSession::start()
{
    if (m_process.state() != QProcess::NotRunning)
        return QString();
    if (WindowManagerProbe::isRunning())
        return QStringLiteral("another window manager runs on this display");
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (openbox.isEmpty())
        return QStringLiteral("openbox is missing: run scripts/deps.sh --test");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(openbox, {QStringLiteral("--sm-disable")});
    if (!m_process.waitForStarted())
        return QStringLiteral("openbox did not start");
    if (!QTest::qWaitFor([] { return WindowManagerProbe::isRunning(); }, 10000))
        return QStringLiteral("openbox does not manage the display");
    return QString();
}

void WindowManagerSession::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000))
        m_process.kill();
}
