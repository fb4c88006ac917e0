#pragma once

#include <QString>
#include <functional>

class QWidget;

// The open and save file dialogs. Tests install a handler that gives the chosen path (empty:
// cancelled), so no dialog ever blocks a test run.
class FileChooser
{
public:
    enum Kind { Open, Save };
    using Handler = std::function<QString(Kind kind, const QString &caption, const QString &filter)>;

    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
    // An empty handler restores the real dialogs.
    static void setHandler(Handler handler);
};
