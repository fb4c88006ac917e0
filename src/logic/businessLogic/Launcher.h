#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// Opens what a user configured: web pages (http and https only), existing local files and
// folders, and programs started directly, never through a shell.
namespace Launcher {
// http(s) URLs and existing local files; anything else is refused (logged).
bool openUrl(const QUrl &url);
// A web address as typed by the user: one without a scheme gets "https://".
QUrl webAddress(const QString &text);
bool openPath(const QString &path);
// A program path, or a desktop-entry command line (field codes such as %U are dropped).
bool startProgram(const QString &commandOrPath);
// Starts a program with its arguments, never through a shell.
bool startProgram(const QString &program, const QStringList &arguments, const QString &workingDirectory);
// Starts the program of a desktop entry file (its Exec, field codes removed, in its Path);
// false when the entry is gone or is not one the user would start.
bool startDesktopEntry(const QString &entryPath);

// Starts a detected application: its desktop entry, or a stored command of an older record.
// An uninstaller is never started.
bool startDetectedProgram(const QString &entryOrCommand);

// What actually starts a program; QProcess::startDetached unless tests install their own.
// An empty starter restores the real one.
using ProgramStarter = std::function<bool(const QString &program, const QStringList &arguments,
                                          const QString &workingDirectory)>;
void setProgramStarter(ProgramStarter starter);

// The search URL: the engine prefix followed by the percent-encoded text; invalid (empty)
// when the prefix is not an http(s) address.
QUrl searchUrl(const QString &enginePrefix, const QString &text);
} // namespace Launcher
