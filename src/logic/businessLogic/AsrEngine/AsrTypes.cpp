#include "logic/businessLogic/AsrEngine/AsrTypes.h"

void registerAsrMetaTypes()
{
    qRegisterMetaType<AsrResult>("AsrResult");
    qRegisterMetaType<AsrEngineType>("AsrEngineType");
    qRegisterMetaType<AsrEngineState>("AsrEngineState");
    qRegisterMetaType<AsrModuleAction>("AsrModuleAction");
}
