#pragma once

#include <QString>
#include <functional>

class QWidget;

// The file and folder dialogs of the pages. Tests install a handler that gives the next
// result, so no dialog ever waits for a user in a test run.
namespace FileChooser {
enum Kind { OpenFile, SaveFile, Folder };

// A file to read or a program; empty when cancelled.
QString openFileName(QWidget *parent, const QString &caption, const QString &startDir, const QString &filter = QString());
// A file to write; empty when cancelled.
QString saveFileName(QWidget *parent, const QString &caption, const QString &startDir, const QString &filter = QString());
// A folder; empty when cancelled.
QString existingDirectory(QWidget *parent, const QString &caption, const QString &startDir);

using Handler = std::function<QString(Kind kind, const QString &caption, const QString &startDir)>;
// An empty handler restores the real dialogs.
void setHandler(Handler handler);
} // namespace FileChooser
