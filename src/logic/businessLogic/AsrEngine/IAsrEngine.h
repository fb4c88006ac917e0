#pragma once

#include "logic/businessLogic/AsrEngine/AsrTypes.h"

#include <QObject>

// A streaming speech engine: 16 kHz mono 16-bit PCM in, AsrResult records out.
// Lives on the GUI thread; sendData may be called from any thread.
class IAsrEngine : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The engine's display name.
    virtual QString name() const = 0;
    // Opens a run. An engine that is not configured reports it through error().
    virtual void start() = 0;
    // Queues audio for sending.
    virtual void sendData(const QByteArray &pcm) = 0;
    // Sends what is queued, then the end marker; results keep coming until the final one.
    virtual void finish() = 0;
    // Drops the run at once: no more signals for it.
    virtual void clean() = 0;
    virtual AsrEngineState state() const = 0;

signals:
    void handleResult(const AsrResult &result);
    void error(int code, const QString &message);
    void stateChange(AsrEngineState state);
};
