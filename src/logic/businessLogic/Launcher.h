#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

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
// The search URL: the engine prefix followed by the percent-encoded text; invalid (empty)
// when the prefix is not an http(s) address.
QUrl searchUrl(const QString &enginePrefix, const QString &text);
} // namespace Launcher
