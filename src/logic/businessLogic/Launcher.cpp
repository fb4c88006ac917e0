#include "logic/businessLogic/Launcher.h"

#include "logging/QsLog.h"
#include "platform/DesktopEntryReader.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

namespace Launcher {

namespace {
ProgramStarter &starter()
{
    static ProgramStarter s;
    return s;
}
} // namespace

void setProgramStarter(ProgramStarter s)
{
    starter() = std::move(s);
}

bool startProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory)
{
    if (program.isEmpty()) {
        QLOG_WARN() << "empty program";
        return false;
    }
    const bool ok = starter() ? starter()(program, arguments, workingDirectory)
                              : QProcess::startDetached(program, arguments, workingDirectory);
    if (!ok)
        QLOG_WARN() << "could not start" << program;
    return ok;
}

bool startDetectedProgram(const QString &entryOrCommand)
{
    const QString text = entryOrCommand.trimmed();
    if (text.endsWith(QLatin1String(".desktop")))
        return startDesktopEntry(text);
    // Older records may hold what the system listed as the program's file, which can be the
    // program's uninstaller.
    const QStringList parts = QFileInfo::exists(text) ? QStringList{text} : QProcess::splitCommand(text);
    if (!parts.isEmpty() && DesktopEntryReader::isUninstaller(parts.first(), parts.mid(1))) {
        QLOG_WARN() << "refused to start an uninstaller" << text;
        return false;
    }
    return startProgram(text);
}

bool startDesktopEntry(const QString &entryPath)
{
    const auto program = DesktopEntryReader::programOf(DesktopEntryReader::readEntry(entryPath));
    if (!program) {
        QLOG_WARN() << "no program to start in" << entryPath;
        return false;
    }
    return startProgram(program->programPath, program->arguments, program->workingDirectory);
}

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
    return startProgram(program, args, QString());
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
