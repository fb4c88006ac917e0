#pragma once

#include "logic/businessLogic/workflow/device/AudioModule.h"

// The module's side of AudioModule, on QtMultimedia.
class QtAudioModule : public AudioModule
{
public:
    QStringList inputNames() override;
    AudioCapture *createCapture(const QString &inputName) override;
    AudioPlayback *createPlayback() override;
};
