#pragma once

#include <QString>

// Parts of the program that pull in large libraries (the web view, sound, the accessibility
// bus, Bluetooth) are modules loaded on first use. They live beside the program; in the build
// tree the tests find them in the build's own folder.
namespace ModulePath {
// The path to load the module fileName (e.g. "libvb_audio.so") from.
QString find(const QString &fileName);
} // namespace ModulePath
