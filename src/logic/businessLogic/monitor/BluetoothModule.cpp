#include "logic/businessLogic/monitor/BluetoothModule.h"

#include "logging/QsLog.h"
#include "util/ModulePath.h"

#include <QLibrary>

namespace {
BluetoothModule *g_installed = nullptr;

BluetoothModule *loadModule()
{
    QLibrary library(ModulePath::find(QStringLiteral("libvb_bluetooth.so")));
    const auto create = reinterpret_cast<VbCreateBluetoothModule>(library.resolve("vbCreateBluetoothModule"));
    if (!create) {
        QLOG_ERROR() << "Bluetooth module not available:" << library.errorString();
        return nullptr;
    }
    // Never unloaded: its objects live as long as the process.
    return create();
}
} // namespace

BluetoothModule *BluetoothModule::instance()
{
    if (g_installed)
        return g_installed;
    static BluetoothModule *const loaded = loadModule();
    return loaded;
}

void BluetoothModule::setInstance(BluetoothModule *module)
{
    g_installed = module;
}
