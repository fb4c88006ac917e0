#pragma once

#include "logic/businessLogic/workflow/IWorkHandle.h"

#include <QFile>
#include <QString>

class AudioRecordVO;
// Travels as a pointer in signals; the record type itself belongs to the server layer.
Q_DECLARE_OPAQUE_POINTER(AudioRecordVO *)
class BaiduClient;
class DeviceContext;
class WorkNode;

// Recording with live transcription: the speech run's audio is written to a PCM file under
// the record folder (ini "/UserSetting/DefaultRecordPath", else <program folder>/record) and
// turned into a WAV file when the run ends; recognised sentences become subtitle text and,
// translated, the second subtitle line. A failing speech engine does not stop the recording.
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
    QString pcmPath() const { return m_file.fileName(); }
    WorkNode *node() const { return m_node; }

    void startHandle() override;
    void resultHandle(const AsrResult &result) override;
    void stopHandle() override {}
    void finishHandle() override;
    void onVolume(int level) override;
    void audioHandle(const QByteArray &pcm) override;

    // The record value object of the current recording, when the server layer gave one.
    void setRecord(AudioRecordVO *record) { m_record = record; }

signals:
    void recording(AudioRecordVO *record, int db);
    void text(const QString &text);
    void translatedText(const QString &text);
    void SaveRecord_Finish(AudioRecordVO *record, int code, const QString &msg);
    // The saved recording's facts, for whoever builds the record entry.
    void recordSaved(const QString &wavPath, const QString &transcript, const QString &translation,
                     qint64 startMs, qint64 endMs);

private:
    void translateSentence(const QString &sentence);

    DeviceContext *m_context;
    WorkNode *m_node;
    BaiduClient *m_client;
    AudioRecordVO *m_record = nullptr;
    QFile m_file;
    qint64 m_bytes = 0;
    qint64 m_startMs = 0;
    QString m_transcript;
    QString m_translation;
};
