#pragma once

#include <QMetaType>
#include <QString>

// One recognition result of a streaming engine.
//   text            the current sentence so far (replaces the previous interim text)
//   finishText      everything fixed so far in this run, this sentence included when final
//   isFinish        the sentence is final: its text will not change any more
//   isCorrectFinish the run ended normally after the end marker: nothing follows
struct AsrResult
{
    QString text;
    QString finishText;
    bool isFinish = false;
    bool isCorrectFinish = false;
};

// The engine kinds, as the configuration names them.
enum AsrEngineType { AsrEngine_Transfer = 0, AsrEngine_Xf = 1, AsrEngine_Aiui = 2 };

enum AsrEngineState { Unknown = 0, Connected = 1, Disconnected = 2, Speeking = 3 };

// What a speech module should do next.
enum AsrModuleAction { ToStop = 0, ToStart = 1, NoAction = 2 };

Q_DECLARE_METATYPE(AsrResult)
Q_DECLARE_METATYPE(AsrEngineType)
Q_DECLARE_METATYPE(AsrEngineState)
Q_DECLARE_METATYPE(AsrModuleAction)

// Registers the speech and recording types for queued signals.
void registerAsrMetaTypes();
