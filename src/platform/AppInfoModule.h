#pragma once

#include <QString>

// What the desktop-entry module (libvb_appinfo.so) reads of one entry through GIO.
struct VbDesktopEntry
{
    QString name; // Name, in the user's language
    QString icon; // Icon, in the user's language
    QString exec; // Exec as written: quoting, "%%" and field codes still in it
    QString path; // Path, the working folder
};

// The entry point of the module, callable from any thread.
extern "C" {
// Reads the desktop entry file as the desktop does; false when the desktop would not list it
// (unreadable, not an application, TryExec or the Exec program missing, NoDisplay, Hidden, or
// OnlyShowIn/NotShowIn for the current desktop). Fills entry only when true.
using VbAppInfoRead = bool (*)(const char *path, VbDesktopEntry *entry);
}
