#include "logic/businessLogic/AudioRecordBL.h"

#include "config/Configurations.h"
#include "config/PointerSetting.h"
#include "config/language/Languages.h"
#include "device/DeviceContext.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/workflow/WorkNode.h"
#include "logic/businessLogic/workflow/device/PcAudioDevice.h"
#include "logic/businessLogic/workflow/device/Wav.h"
#include "logic/client/BaiduClient.h"
#include "qui/Toast.h"
#include "util/AppHelper.h"
#include "util/Clock.h"
#include "util/TrContexts.h"

#include <QDateTime>
#include <QDir>

AudioRecordBL::AudioRecordBL(DeviceContext *context, QObject *parent)
    : IWorkHandle(parent), m_context(context), m_node(new WorkNode(context, this)), m_client(new BaiduClient(this))
{
    m_node->setKeepAudioOnEngineError(true);
    m_node->link(this);
}

AudioRecordBL::~AudioRecordBL()
{
    // Whatever was recorded so far stays a playable WAV; the node must not call back into us.
    m_node->link(nullptr);
    delete m_node;
    if (m_file.isOpen())
        writeHeader();
    m_file.close();
}

QString AudioRecordBL::recordFolder()
{
    const QString configured = Configurations::instance().defaultRecordPath().trimmed();
    return configured.isEmpty() ? AppHelper::programDir() + QStringLiteral("/record") : configured;
}

void AudioRecordBL::start()
{
    if (m_node->isActive()) {
        QLOG_INFO() << "recording: already running";
        return;
    }
    // The recognition hears the language the record names.
    m_node->setLanguage(speechLanguage());
    m_node->start();
}

QString AudioRecordBL::recordLanguage() const
{
    const BaseSetting *setting = m_context ? m_context->setting : nullptr;
    if (!setting)
        return QString();
    const auto *pointer = dynamic_cast<const PointerSetting *>(setting);
    return pointer ? pointer->asr_identifyLanguage : setting->asr_languageAndAccent;
}

QString AudioRecordBL::speechLanguage() const
{
    if (!m_context || !dynamic_cast<const PointerSetting *>(m_context->setting))
        return QString(); // the device's own language of speech
    // The page stores text-translation codes; the engine has codes of its own.
    const QString language = recordLanguage();
    const Languages::LangugeSection *speech =
        Languages::instance().switchLanguage(Languages::TextTranslation, language, Languages::SpeechRecognition);
    if (speech)
        return speech->fullCode();
    QLOG_WARN() << "recording: unknown language" << language << "- Chinese is heard";
    return QStringLiteral("zh_cn");
}

void AudioRecordBL::stop()
{
    m_node->stop();
}

void AudioRecordBL::startHandle()
{
    m_bytes = 0;
    m_diskFull = false;
    const qint64 startMs = Clock::nowMs();
    m_record = std::make_unique<AudioRecordVO>();
    m_record->createTime = startMs;
    m_record->startTime = QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (const BaseSetting *setting = m_context ? m_context->setting : nullptr) {
        m_record->deviceSn = setting->serialNumber;
        m_record->language = recordLanguage();
    }
    const QString folder = recordFolder();
    if (!QDir().mkpath(folder)) {
        QLOG_ERROR() << "recording: cannot create" << folder;
        Toast::instance().showMessage(2, TNotify::tr("无法创建录音文件夹：%1").arg(folder), 2000);
        return;
    }
    const QString stamp = QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyyMMdd_hhmmss_zzz"));
    m_file.setFileName(folder + QLatin1Char('/') + stamp + QStringLiteral(".wav"));
    // Unbuffered, so that a write the disk refuses fails in the call that made it and what
    // reached the disk is known.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeHeader()) {
        QLOG_ERROR() << "recording: cannot write" << m_file.fileName() << m_file.errorString();
        if (m_file.isOpen())
            m_file.remove();
        Toast::instance().showMessage(2, TNotify::tr("无法写入录音文件"), 2000);
        return;
    }
    QLOG_INFO() << "recording: to" << m_file.fileName();
}

bool AudioRecordBL::writeHeader()
{
    // Rewrites bytes already on disk: this needs no room, even on a full disk.
    const QByteArray header = Wav::header(PcAudioDevice::pcmFormat(), quint32(m_bytes));
    return m_file.seek(0) && m_file.write(header) == header.size() && m_file.seek(header.size() + m_bytes);
}

void AudioRecordBL::audioHandle(const QByteArray &pcm)
{
    if (!m_file.isOpen() || m_diskFull)
        return;
    const qint64 written = m_file.write(pcm);
    if (written == pcm.size()) {
        m_bytes += written;
        return;
    }
    // The disk is full. What reached it is the recording, cut to whole frames; the rest of
    // the run is heard and transcribed but not kept.
    m_diskFull = true;
    m_diskFullMs = Clock::nowMs();
    const PcmFormat format = PcAudioDevice::pcmFormat();
    const int frame = format.channels * format.sampleBits / 8;
    m_bytes += qMax<qint64>(written, 0);
    m_bytes -= m_bytes % frame;
    m_file.resize(Wav::header(format, 0).size() + m_bytes);
    QLOG_ERROR() << "recording: disk full after" << m_bytes << "bytes";
    Toast::instance().showMessage(2, TNotify::tr("磁盘已满，录音无法继续保存，已录下的部分会保留"), 3000);
}

void AudioRecordBL::onVolume(int level)
{
    emit recording(m_record.get(), level);
}

void AudioRecordBL::resultHandle(const AsrResult &result)
{
    emit text(result.text);
    if (result.isFinish) {
        if (m_record)
            m_record->content = result.finishText;
        if (!result.text.trimmed().isEmpty())
            translateSentence(result.text);
    }
}

void AudioRecordBL::translateSentence(const QString &sentence)
{
    const auto *pointer = m_context ? dynamic_cast<const PointerSetting *>(m_context->setting) : nullptr;
    if (!pointer)
        return; // only presenters show a translated subtitle line
    m_client->translate(sentence, pointer->subtitle_identifyLanguage, pointer->subtitle_transLanguage,
                        [this](const QString &translated, const QString &, const QString &) {
                            if (m_record)
                                m_record->translatedText += translated;
                            emit translatedText(translated);
                        }, this);
}

void AudioRecordBL::finishHandle()
{
    if (!m_file.isOpen())
        return;
    const QString wavPath = m_file.fileName();
    const bool ok = writeHeader();
    m_file.close();
    // The recording ends where the disk filled.
    const qint64 endMs = m_diskFull ? m_diskFullMs : Clock::nowMs();
    m_record->endTime = QDateTime::fromMSecsSinceEpoch(endMs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    m_record->duration = (endMs - m_record->createTime) / 1000;
    if (!ok) {
        QLOG_ERROR() << "recording: cannot save" << wavPath << m_file.errorString();
        emit SaveRecord_Finish(m_record.get(), -1, TNotify::tr("录音保存失败"));
        return;
    }
    QLOG_INFO() << "recording: saved" << wavPath << m_bytes << "bytes";
    m_record->filepath = wavPath;
    emit SaveRecord_Finish(m_record.get(), 0, wavPath);
}
