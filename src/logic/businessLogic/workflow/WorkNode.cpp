#include "logic/businessLogic/workflow/WorkNode.h"

#include "config/BaseSetting.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/AsrEngine/AsrEngineHelper.h"
#include "logic/businessLogic/AsrEngine/IAsrEngine.h"
#include "logic/businessLogic/workflow/IWorkHandle.h"
#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"
#include "logic/businessLogic/workflow/device/IAudioDevice.h"
#include "qui/Toast.h"
#include "util/MediaHelper.h"
#include "util/TrContexts.h"

namespace {
WorkNode::EngineFactory &engineFactory()
{
    static WorkNode::EngineFactory fn;
    return fn;
}
} // namespace

void WorkNode::setEngineFactory(EngineFactory factory)
{
    engineFactory() = std::move(factory);
}

WorkNode::WorkNode(DeviceContext *context, QObject *parent) : QObject(parent), m_context(context)
{
    m_stopTimer.setSingleShot(true);
    connect(&m_stopTimer, &QTimer::timeout, this, &WorkNode::stop);
}

WorkNode::~WorkNode()
{
    cancel();
}

void WorkNode::link(IWorkHandle *next)
{
    if (next && isActive()) {
        QLOG_WARN() << "workflow: relink refused while a run is active";
        return;
    }
    m_next = next;
}

void WorkNode::start()
{
    if (m_stopTimer.isActive()) {
        m_stopTimer.stop();
        if (m_capturing)
            return; // pressed again before the delayed stop: just keep listening
    }
    if (isActive()) {
        // The previous run is still waiting for its final result: give it up.
        cancel();
    }
    const BaseSetting *setting = m_context ? m_context->setting : nullptr;
    const QString language = !m_language.isEmpty() ? m_language
                             : setting            ? setting->asr_languageAndAccent
                                                  : QString();
    m_engine = engineFactory() ? engineFactory()(setting, language) : AsrEngineHelper::createEngine(language);
    m_engine->setParent(this);
    connect(m_engine, &IAsrEngine::handleResult, this, &WorkNode::onResult);
    connect(m_engine, &IAsrEngine::error, this, &WorkNode::onError);

    const auto source = AudioDeviceFactory::create(m_context);
    m_source = source.device;
    m_ownsSource = source.owned;
    connect(m_source, &IAudioDevice::handleData, this, &WorkNode::onAudio);
    connect(m_source, &IAudioDevice::failed, this, &WorkNode::onSourceFailed);

    QLOG_INFO() << "workflow: start with" << m_engine->name() << "from" << m_source->name();
    m_active = true;
    if (m_next)
        m_next->startHandle();
    emit runStarted();
    m_engine->start();
    if (!m_active || !m_source)
        return; // the engine failed at once and the run is over
    m_capturing = m_source->start();
    if (!m_capturing && m_active)
        onSourceFailed(QString());
}

void WorkNode::stopLater(int delayMs)
{
    if (m_capturing)
        m_stopTimer.start(delayMs);
}

void WorkNode::stop()
{
    m_stopTimer.stop();
    if (!isActive() || !m_source)
        return;
    releaseSource();
    if (m_next)
        m_next->stopHandle();
    if (m_engine)
        m_engine->finish();
    else
        endRun();
}

void WorkNode::cancel()
{
    m_stopTimer.stop();
    if (!isActive())
        return;
    releaseSource();
    endRun();
}

void WorkNode::releaseSource()
{
    if (!m_source)
        return;
    m_capturing = false;
    disconnect(m_source, nullptr, this, nullptr);
    m_source->stop();
    if (m_ownsSource)
        m_source->deleteLater();
    m_source = nullptr;
    m_ownsSource = false;
}

void WorkNode::onAudio(const QByteArray &pcm)
{
    if (m_engine)
        m_engine->sendData(pcm);
    if (m_next) {
        m_next->audioHandle(pcm);
        m_next->onVolume(MediaHelper::volumeDb(pcm.constData(), pcm.size()));
    }
}

void WorkNode::onResult(const AsrResult &result)
{
    if (m_next)
        m_next->resultHandle(result);
    if (result.isCorrectFinish && !m_capturing)
        endRun();
}

void WorkNode::report(const QString &message)
{
    // An engine may fail without a word; the user still has to learn that the run ended.
    const QString text = message.isEmpty() ? TNotify::tr("语音识别失败") : message;
    Toast::instance().showMessage(2, text, 2000);
    if (m_next)
        m_next->messageHandle(text);
    emit failed(text);
}

void WorkNode::onError(int code, const QString &message)
{
    QLOG_ERROR() << "workflow: engine failed" << code << message;
    report(message);
    if (m_keepAudio && m_source) {
        dropEngine();
        return;
    }
    releaseSource();
    endRun();
}

void WorkNode::onSourceFailed(const QString &message)
{
    QLOG_ERROR() << "workflow: audio source failed" << message;
    report(message);
    releaseSource();
    endRun();
}

void WorkNode::dropEngine()
{
    if (!m_engine)
        return;
    IAsrEngine *engine = m_engine;
    m_engine = nullptr;
    disconnect(engine, nullptr, this, nullptr);
    engine->clean();
    engine->deleteLater();
}

void WorkNode::endRun()
{
    if (!m_active)
        return;
    m_active = false;
    dropEngine();
    if (m_next)
        m_next->finishHandle();
    emit runFinished();
}
