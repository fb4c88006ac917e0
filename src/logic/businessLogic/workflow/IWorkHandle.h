#pragma once

#include "logic/businessLogic/AsrEngine/AsrTypes.h"

#include <QObject>

// A node after the speech node: typing, voice search, recording. The speech node calls
// startHandle, then results, then stopHandle when the user let go (results may still come:
// the final one usually arrives after the end marker), then finishHandle when the run is over.
class IWorkHandle : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void startHandle() = 0;
    virtual void resultHandle(const AsrResult &result) = 0;
    virtual void stopHandle() = 0;
    virtual void finishHandle() {}
    // A notice for the user (a failure of the engine or the microphone).
    virtual void messageHandle(const QString &message) { Q_UNUSED(message) }
    // Level of the latest audio block in dB (0..90).
    virtual void onVolume(int level) { Q_UNUSED(level) }
    virtual void audioHandle(const QByteArray &pcm) { Q_UNUSED(pcm) }
};
