#pragma once

#include "logic/businessLogic/AsrEngine/AsrTypes.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

class BaseSetting;
class DeviceContext;
class IAsrEngine;
class IAudioDevice;
class IWorkHandle;

// The speech node of a workflow: takes audio from the device's source, streams it to the
// device's speech engine and hands every result to the linked node.
class WorkNode : public QObject
{
    Q_OBJECT
public:
    explicit WorkNode(DeviceContext *context, QObject *parent = nullptr);
    ~WorkNode() override;

    // The node that gets the results; only while no run is active.
    void link(IWorkHandle *next);
    IWorkHandle *linked() const { return m_next; }

    // Starts a run; a stop still pending is called off, so a quick re-press continues.
    void start();
    // Ends the audio now: the engine sends what it has and the end marker.
    void stop();
    // Ends the audio after delayMs (speech trails the key release).
    void stopLater(int delayMs);
    // Drops the run at once, without waiting for the final result.
    void cancel();

    bool isActive() const { return m_active; }
    // Recording keeps its audio when the engine fails; typing and search end the run.
    void setKeepAudioOnEngineError(bool keep) { m_keepAudio = keep; }
    bool isCapturing() const { return m_capturing; }
    IAsrEngine *engine() const { return m_engine; }

    // The language of speech for the next runs, as "zh_cn,mandarin"; empty: the device's
    // asr_languageAndAccent.
    void setLanguage(const QString &languageAndAccent) { m_language = languageAndAccent; }
    QString language() const { return m_language; }

    // Tests and replays choose the engine, asked for the device and the language of speech;
    // an empty function restores AsrEngineHelper.
    using EngineFactory = std::function<IAsrEngine *(const BaseSetting *setting, const QString &languageAndAccent)>;
    static void setEngineFactory(EngineFactory factory);

signals:
    void runStarted();
    void runFinished();
    void failed(const QString &message);

private:
    void onAudio(const QByteArray &pcm);
    void onResult(const AsrResult &result);
    void onError(int code, const QString &message);
    void onSourceFailed(const QString &message);
    void report(const QString &message);
    void dropEngine();
    void endRun();
    void releaseSource();

    DeviceContext *m_context;
    QPointer<IWorkHandle> m_next;
    IAsrEngine *m_engine = nullptr;
    IAudioDevice *m_source = nullptr;
    bool m_ownsSource = false;
    bool m_capturing = false;
    bool m_active = false;
    bool m_keepAudio = false;
    QTimer m_stopTimer;
    QString m_language;
};
