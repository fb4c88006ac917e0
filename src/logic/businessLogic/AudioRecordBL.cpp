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
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    if (m_fd >= 0) {
        writeHeader();
        closeFile();
    }
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

namespace {
QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Bytes of PCM in a second of the recording's format.
qint64 bytesPerSecond()
{
    const PcmFormat format = PcAudioDevice::pcmFormat();
    return qint64(format.sampleRate) * format.channels * format.sampleBits / 8;
}
} // namespace

bool AudioRecordBL::makeFolder(const QString &folder)
{
    // Recordings of the user's voice are theirs alone, as the log is. A folder the user chose
    // that exists already is theirs to set.
    const QByteArray path = QFile::encodeName(folder);
    const bool isDefault = Configurations::instance().defaultRecordPath().trimmed().isEmpty();
    if (QFileInfo(folder).isDir()) {
        if (isDefault && ::chmod(path.constData(), 0700) != 0)
            QLOG_WARN() << "recording: cannot make" << folder << "private:" << errorText(errno);
        return true;
    }
    QDir().mkpath(QFileInfo(folder).absolutePath());
    return ::mkdir(path.constData(), 0700) == 0 || (errno == EEXIST && QFileInfo(folder).isDir());
}

void AudioRecordBL::startHandle()
{
    m_bytes = 0;
    m_headerBytes = 0;
    m_cut = false;
    const qint64 startMs = Clock::nowMs();
    m_record = std::make_unique<AudioRecordVO>();
    m_record->createTime = startMs;
    m_record->startTime = QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    if (const BaseSetting *setting = m_context ? m_context->setting : nullptr) {
        m_record->deviceSn = setting->serialNumber;
        m_record->language = recordLanguage();
    }
    const QString folder = recordFolder();
    if (!makeFolder(folder)) {
        QLOG_ERROR() << "recording: cannot create" << folder << errorText(errno);
        Toast::instance().showMessage(2, TNotify::tr("无法创建录音文件夹：%1").arg(folder), 2000);
        return;
    }
    const QString stamp = QDateTime::fromMSecsSinceEpoch(startMs).toString(QStringLiteral("yyyyMMdd_hhmmss_zzz"));
    m_path = folder + QLatin1Char('/') + stamp + QStringLiteral(".wav");
    // Unbuffered, so that a write the disk refuses fails in the call that made it and what
    // reached the disk is known.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    int error = m_fd < 0 ? errno : writeHeader();
    // The sound follows the header; the header is rewritten in place.
    if (error == 0 && ::lseek(m_fd, Wav::header(PcAudioDevice::pcmFormat(), 0).size(), SEEK_SET) < 0)
        error = errno;
    if (error != 0) {
        QLOG_ERROR() << "recording: cannot write" << m_path << errorText(error);
        if (m_fd >= 0) {
            ::close(m_fd);
            m_fd = -1;
            ::unlink(QFile::encodeName(m_path).constData());
        }
        Toast::instance().showMessage(2, TNotify::tr("无法写入录音文件：%1").arg(errorText(error)), 2000);
        return;
    }
    QLOG_INFO() << "recording: to" << m_path;
}

int AudioRecordBL::writeHeader()
{
    // Rewrites bytes already on disk: this needs no room, even on a full disk.
    const QByteArray header = Wav::header(PcAudioDevice::pcmFormat(), quint32(m_bytes));
    const ssize_t written = ::pwrite(m_fd, header.constData(), size_t(header.size()), 0);
    if (written != header.size())
        return written < 0 ? errno : ENOSPC;
    m_headerBytes = m_bytes;
    return 0;
}

int AudioRecordBL::closeFile()
{
    // Some failures show only when the data reaches the disk (a quota, a network share, a full
    // copy-on-write file system): a recording is saved once it is there.
    int error = 0;
    if (::fsync(m_fd) != 0 && errno != EINVAL)
        error = errno;
    if (::close(m_fd) != 0 && errno != EINTR && error == 0)
        error = errno;
    m_fd = -1;
    return error;
}

void AudioRecordBL::audioHandle(const QByteArray &pcm)
{
    if (m_fd < 0 || m_cut)
        return;
    qint64 written = 0;
    int error = 0;
    while (written < pcm.size()) {
        const ssize_t n = ::write(m_fd, pcm.constData() + written, size_t(pcm.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : ENOSPC;
            break;
        }
        written += n;
    }
    m_bytes += written;
    if (error == 0) {
        // A recording cut short keeps all but its last second.
        if (m_bytes - m_headerBytes >= bytesPerSecond())
            writeHeader();
        return;
    }
    // What reached the disk is the recording, cut to whole frames; the rest of the run is heard
    // and transcribed but not kept.
    m_cut = true;
    m_cutMs = Clock::nowMs();
    const PcmFormat format = PcAudioDevice::pcmFormat();
    const int frame = format.channels * format.sampleBits / 8;
    m_bytes -= m_bytes % frame;
    if (::ftruncate(m_fd, Wav::header(format, 0).size() + m_bytes) != 0)
        QLOG_WARN() << "recording: cannot cut" << m_path << "to whole frames:" << errorText(errno);
    writeHeader();
    QLOG_ERROR() << "recording: cannot write" << m_path << "after" << m_bytes << "bytes:" << errorText(error);
    // A full disk is not the only reason: an unplugged stick is not full.
    if (error == ENOSPC || error == EDQUOT)
        Toast::instance().showMessage(2, TNotify::tr("磁盘已满，录音无法继续保存，已录下的部分会保留"), 3000);
    else
        Toast::instance().showMessage(
            2, TNotify::tr("录音文件写入失败（%1），录音无法继续保存，已录下的部分会保留").arg(errorText(error)), 3000);
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
    if (m_fd < 0)
        return;
    int error = writeHeader();
    const int closed = closeFile();
    if (error == 0)
        error = closed;
    // The recording ends where its writing stopped.
    const qint64 endMs = m_cut ? m_cutMs : Clock::nowMs();
    m_record->endTime = QDateTime::fromMSecsSinceEpoch(endMs).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    m_record->duration = (endMs - m_record->createTime) / 1000;
    // What is on the disk stays, whatever happened to it.
    m_record->filepath = m_path;
    if (error != 0) {
        QLOG_ERROR() << "recording: cannot save" << m_path << errorText(error);
        const QString message = TNotify::tr("录音保存失败：%1").arg(errorText(error));
        Toast::instance().showMessage(2, message, 3000);
        emit SaveRecord_Finish(m_record.get(), -1, message);
        return;
    }
    QLOG_INFO() << "recording: saved" << m_path << m_bytes << "bytes";
    emit SaveRecord_Finish(m_record.get(), 0, m_path);
}
