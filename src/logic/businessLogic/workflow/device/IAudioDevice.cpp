#include "logic/businessLogic/workflow/device/IAudioDevice.h"
