// The desktop entries as GIO's GDesktopAppInfo reads them, built as a module of its own
// (libvb_appinfo.so): GIO and GObject are loaded only when the installed programs are first read.
#include "platform/AppInfoModule.h"

// GLib's headers use "signals" as a name; Qt's keyword must not be in force.
#undef signals
#include <gio/gdesktopappinfo.h>

namespace {
QString taken(char *text)
{
    const QString value = QString::fromUtf8(text);
    g_free(text);
    return value;
}
} // namespace

extern "C" {

Q_DECL_EXPORT bool vbAppInfoRead(const char *path, VbDesktopEntry *entry)
{
    GDesktopAppInfo *info = g_desktop_app_info_new_from_filename(path);
    if (!info)
        return false;
    const bool shown = g_app_info_should_show(G_APP_INFO(info)) && !g_desktop_app_info_get_is_hidden(info);
    if (shown && entry) {
        entry->name = taken(g_desktop_app_info_get_locale_string(info, G_KEY_FILE_DESKTOP_KEY_NAME));
        entry->icon = taken(g_desktop_app_info_get_locale_string(info, G_KEY_FILE_DESKTOP_KEY_ICON));
        entry->exec = QString::fromUtf8(g_app_info_get_commandline(G_APP_INFO(info)));
        entry->path = taken(g_desktop_app_info_get_string(info, G_KEY_FILE_DESKTOP_KEY_PATH));
    }
    g_object_unref(info);
    return shown;
}

} // extern "C"
