#pragma once

#include "platform/IOsHelper.h"

#include <QHash>
#include <QStringList>
#include <optional>

// Reads the installed programs from XDG desktop entries (.desktop files).
class DesktopEntryReader
{
public:
    // $XDG_DATA_HOME/applications, then each of $XDG_DATA_DIRS/applications: earlier folders
    // override entries of the same id in later ones.
    static QStringList applicationDirs();

    // The programs of all entries below the folders that the desktop would list (read through
    // AppInfoReader), in folder order, then by file name.
    static QVector<InstalledProgram> installedPrograms(const QStringList &dirs);

    // The [Desktop Entry] group of a file: key -> value with the escapes resolved; empty
    // when the file cannot be read or has no such group.
    static QHash<QString, QString> readEntry(const QString &path);

    // The program of one entry, or nothing when it is not one the user would start: no name
    // or icon, NoDisplay or Hidden, not an Application, an Exec that names no command, a
    // developer kit or runtime, or an uninstaller.
    static std::optional<InstalledProgram> programOf(const QHash<QString, QString> &entry);

    // An Exec value split into the command and its arguments, with the quoting undone, "%%"
    // read as "%" (inside quotes too) and the field codes (%f, %U, %i, ...) dropped; empty when
    // it is malformed.
    static QStringList splitExec(const QString &exec);

    // The file of an icon: absolute paths are kept; a name is looked up in the icon themes
    // (the current one, then hicolor) and the pixmaps folders; the name itself if no file.
    static QString iconFile(const QString &icon);

    // True for a command that removes software rather than starting it: such an entry is
    // never offered, and a stored command of that kind is never started.
    static bool isUninstaller(const QString &program, const QStringList &arguments = {});

    // The localized value of key: key[ll_CC], key[ll], then key.
    static QString localized(const QHash<QString, QString> &entry, const QString &key);
};
