// Reads a desktop entry as the desktop-entry module does, and forgets to free what it read:
// the suite's leak check must report it.
#undef signals
#include <gio/gdesktopappinfo.h>

namespace {
__attribute__((noinline)) bool readEntryAndForgetToFreeIt(const char *path)
{
    GDesktopAppInfo *info = g_desktop_app_info_new_from_filename(path);
    if (!info)
        return false;
    char *name = g_desktop_app_info_get_locale_string(info, G_KEY_FILE_DESKTOP_KEY_NAME);
    return name != nullptr;
}
} // namespace

int main(int argc, char *argv[])
{
    return argc > 1 && readEntryAndForgetToFreeIt(argv[1]) ? 0 : 2;
}
