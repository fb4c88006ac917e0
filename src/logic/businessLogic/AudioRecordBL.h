#pragma once

#include "logic/businessLogic/workflow/IWorkHandle.h"
#include "orm/data/AudioRecordVO.h"

#include <QString>
#include <memory>

// Recording records travel queued to the record tab.
Q_DECLARE_METATYPE(AudioRecordVO *)

class BaiduClient;
class DeviceContext;
class WorkNode;

// Recording with live transcription: the speech run's audio is written straight into a WAV
// file under the record folder (ini "/UserSetting/DefaultRecordPath", else <program
// folder>/record), whose header's sizes are kept current about once a second, so that a
// recording cut by a kill, a crash or a power cut is a playable WAV missing at most its last
// second; saving needs no room beyond the recording itself. It is reported saved only once it is
// on the disk. Recordings are the user's alone: files 0600 in a folder made 0700. Recognised
// sentences become subtitle text and, translated, the second subtitle line. A failing speech
// engine does not stop the recording. When the disk fills or a write fails, the user is told at
// once, with the reason, and what reached the disk is kept as the recording.
// Each recording has its record (AudioRecordVO), valid until the next recording starts.
class AudioRecordBL : public IWorkHandle
{
    Q_OBJECT
public:
    explicit AudioRecordBL(DeviceContext *context, QObject *parent = nullptr);
    ~AudioRecordBL() override;

    static QString recordFolder();

    void start();
    void stop();
    bool isRecording() const { return m_fd >= 0; }
    QString filePath() const { return m_path; }
    WorkNode *node() const { return m_node; }

    void startHandle() override;
    void resultHandle(const AsrResult &result) override;
    void stopHandle() override {}
    void finishHandle() override;
    void onVolume(int level) override;
    void audioHandle(const QByteArray &pcm) override;

    // The record of the current (or last) recording; null before the first.
    AudioRecordVO *record() const { return m_record.get(); }

signals:
    void recording(AudioRecordVO *record, int db);
    void text(const QString &text);
    void translatedText(const QString &text);
    // code 0 and the WAV path, or -1 and the reason.
    void SaveRecord_Finish(AudioRecordVO *record, int code, const QString &msg);

private:
    void translateSentence(const QString &sentence);
    // The language of speech the presenter's 智能录音 page chose ("zh", "en"); otherwise the
    // device's language of speech.
    QString recordLanguage() const;
    // The engine's code for it ("zh_cn", "en_us"); empty: the device's asr_languageAndAccent.
    QString speechLanguage() const;
    // Makes the record folder private when this program makes it, or when it is the default one.
    bool makeFolder(const QString &folder);
    // Writes the WAV header for the bytes recorded so far at the start of the file; 0, or the error.
    int writeHeader();
    // Syncs and closes the file; 0, or the first error.
    int closeFile();

    DeviceContext *m_context;
    WorkNode *m_node;
    BaiduClient *m_client;
    std::unique_ptr<AudioRecordVO> m_record;
    int m_fd = -1;
    QString m_path;
    qint64 m_bytes = 0;
    qint64 m_headerBytes = 0; // what the header on the disk declares
    // A write failed at m_cutMs (ms since the epoch): nothing more is written.
    bool m_cut = false;
    qint64 m_cutMs = 0;
};
