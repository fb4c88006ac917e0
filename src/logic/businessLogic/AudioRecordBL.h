#pragma once

#include "logic/businessLogic/workflow/IWorkHandle.h"
#include "orm/data/AudioRecordVO.h"

#include <QFile>
#include <QString>
#include <memory>

// Recording records travel queued to the record tab.
Q_DECLARE_METATYPE(AudioRecordVO *)

class BaiduClient;
class DeviceContext;
class WorkNode;

// Recording with live transcription: the speech run's audio is written straight into a WAV
// file under the record folder (ini "/UserSetting/DefaultRecordPath", else <program
// folder>/record), whose header gets its sizes when the run ends, so saving needs no room
// beyond the recording itself; recognised sentences become subtitle text and, translated, the
// second subtitle line. A failing speech engine does not stop the recording. When the disk
// fills, the user is told at once and what reached it is saved as the recording.
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
    bool isRecording() const { return m_file.isOpen(); }
    QString filePath() const { return m_file.fileName(); }
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
    // Writes the WAV header for the bytes recorded so far at the start of the file.
    bool writeHeader();

    DeviceContext *m_context;
    WorkNode *m_node;
    BaiduClient *m_client;
    std::unique_ptr<AudioRecordVO> m_record;
    QFile m_file;
    qint64 m_bytes = 0;
    // The disk refused a write, at m_diskFullMs (ms since the epoch): nothing more is written.
    bool m_diskFull = false;
    qint64 m_diskFullMs = 0;
};
