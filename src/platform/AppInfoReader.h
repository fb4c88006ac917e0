#pragma once

#include <QHash>
#include <QString>
#include <optional>

// Desktop entries read as the desktop reads them, through GIO's GDesktopAppInfo: TryExec and
// the Exec program must exist, NoDisplay, Hidden, OnlyShowIn and NotShowIn are honoured, the
// name and icon are those of the user's language. GIO is in a module (libvb_appinfo.so) loaded
// by the first read, so a start into the tray does not load it.
class AppInfoReader
{
public:
    // The values of the [Desktop Entry] group the program lists an entry by (Type, Name, Icon,
    // Exec, Path), or nothing when the desktop would not list the entry. Without the module the
    // file's own values, as DesktopEntryReader::readEntry gives them.
    static std::optional<QHash<QString, QString>> shownEntry(const QString &path);

    // True when the module and GIO could be loaded (they are, at the first call).
    static bool available();
};
