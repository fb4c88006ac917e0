// The one place the device factories are registered. Keeping the static initialisers in a
// single translation unit fixes their order (initialisation order across units is not
// defined) and keeps the linker from dropping factories nobody names from the static
// library.
#include "device/IDeviceFactory.h"
#include "device/mouse/common/MouseDeviceFactory.h"
#include "device/mouse/mirel/MirelMouseFactory.h"
#include "device/pointer/common/PointerDeviceFactory.h"
#include "device/pointer/tolven/TolvenPointerFactory.h"

namespace {
TolvenPointerFactory tolvenPointerFactory;
PointerDeviceFactory pointerFactory;
MouseDeviceFactory mouseFactory;
MirelMouseFactory mirelMouseFactory;

const bool registered = [] {
    // Every matching loop takes the first factory that accepts: branded before plain.
    IDeviceFactory::registerFactory(&tolvenPointerFactory);
    IDeviceFactory::registerFactory(&pointerFactory);
    IDeviceFactory::registerFactory(&mouseFactory);
    IDeviceFactory::registerFactory(&mirelMouseFactory);
    return true;
}();
} // namespace

const QVector<IDeviceFactory *> &IDeviceFactory::factories()
{
    return registry();
}
