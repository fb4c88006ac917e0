#include "logic/businessLogic/Launcher.h"

#include "logging/QsLog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace Launcher {

bool openUrl(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    const bool web = (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
    const bool file = url.isLocalFile() && QFileInfo::exists(url.toLocalFile());
    if (!web && !file) {
        QLOG_WARN() << "refused to open" << url.toDisplayString();
        return false;
    }
    return QDesktopServices::openUrl(url);
}

QUrl webAddress(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QUrl();
    QUrl url(t, QUrl::TolerantMode);
    if (url.scheme().isEmpty())
        url = QUrl(QStringLiteral("https://") + t, QUrl::TolerantMode);
    return url;
}

bool openPath(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        QLOG_WARN() << "no such file or folder" << path;
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool startProgram(const QString &commandOrPath)
{
    const QString text = commandOrPath.trimmed();
    QString program;
    QStringList args;
    if (QFileInfo::exists(text)) {
        program = text;
    } else {
        QStringList parts = QProcess::splitCommand(text);
        for (auto it = parts.begin(); it != parts.end();) {
            if (it->size() == 2 && it->startsWith(QLatin1Char('%')))
                it = parts.erase(it);
            else
                ++it;
        }
        if (parts.isEmpty()) {
            QLOG_WARN() << "empty program";
            return false;
        }
        program = parts.takeFirst();
        args = parts;
    }
    const QFileInfo info(program);
    if (info.exists() && !info.isExecutable()) {
        // A document: the desktop opens it with its program.
        return openPath(program);
    }
    const bool ok = QProcess::startDetached(program, args);
    if (!ok) {
        QLOG_WARN() << "could not start" << program;
    }
    return ok;
}

QUrl searchUrl(const QString &enginePrefix, const QString &text)
{
    const QUrl prefix(enginePrefix.trimmed());
    const QString scheme = prefix.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QUrl();
    const QByteArray encoded = enginePrefix.trimmed().toUtf8() + QUrl::toPercentEncoding(text);
    return QUrl::fromEncoded(encoded, QUrl::TolerantMode);
}

} // namespace Launcher
