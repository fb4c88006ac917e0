#include "logic/businessLogic/AsrEngine/AsrTypes.h"

#include "logic/businessLogic/AudioRecordBL.h"

void registerAsrMetaTypes()
{
    qRegisterMetaType<AsrResult>("AsrResult");
    qRegisterMetaType<AsrEngineType>("AsrEngineType");
    qRegisterMetaType<AsrEngineState>("AsrEngineState");
    qRegisterMetaType<AsrModuleAction>("AsrModuleAction");
    qRegisterMetaType<AudioRecordVO *>("AudioRecordVO*");
}
