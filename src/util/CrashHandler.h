#pragma once

#include <QString>

// Writes a text report (signal, time, version, backtrace) to <folder>/vellobox-<time>-<pid>.dmp
// when the program crashes. Earlier reports stay: every crash gets a new file.
namespace CrashHandler {
void install(const QString &folder, const QString &version);
// The report file a crash would write now (for the log and tests).
QString reportFolder();
} // namespace CrashHandler
