#include "logic/businessLogic/AsrEngine/IAsrEngine.h"
