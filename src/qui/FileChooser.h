#pragma once

#include <QString>
#include <functional>

class QWidget;

// The file and folder dialogs of the pages. Tests install a handler that gives the next
// result, so no dialog ever waits for a user in a test run.
namespace FileChooser {
// A file or program; empty when cancelled.
QString openFileName(QWidget *parent, const QString &caption, const QString &startDir);
// A folder; empty when cancelled.
QString existingDirectory(QWidget *parent, const QString &caption, const QString &startDir);

using Handler = std::function<QString(bool folder, const QString &caption, const QString &startDir)>;
// An empty handler restores the real dialogs.
void setHandler(Handler handler);
} // namespace FileChooser
