#pragma once

#include "logic/businessLogic/workflow/device/PcAudioInput.h"

// The PC's default microphone for speech: 16 kHz mono 16-bit exactly, or it does not start.
class PcAudioDevice : public PcAudioInput
{
    Q_OBJECT
public:
    explicit PcAudioDevice(QObject *parent = nullptr) : PcAudioInput(QString(), false, 0, parent) {}

    static PcmFormat pcmFormat() { return PcmFormat::speech(); }

    QString name() const override { return QStringLiteral("pc-microphone"); }
};
