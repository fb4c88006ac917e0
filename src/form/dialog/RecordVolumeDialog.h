#pragma once

#include <QDialog>

class AudioRecordVO;

namespace Ui {
class RecordVolumeDialog;
}

// The small always-on-top window that shows, while a presenter records, how long the
// recording has run and how loud the speech is. The function hub connects the recording
// logic's progress signal to recording().
class RecordVolumeDialog : public QDialog
{
    Q_OBJECT
public:
    explicit RecordVolumeDialog(QWidget *parent = nullptr);
    ~RecordVolumeDialog() override;

    // "h : m : s" of the whole seconds from the start, "yyyy-MM-dd hh:mm:ss" local time, to
    // nowMs. A start that does not parse, or lies in the future, counts as no time at all.
    static QString elapsedText(const QString &startTime, qint64 nowMs);
    // The number of lit bars for a level in dB: one per 5 dB, none below 5.
    static int barsFor(int db);

    // The progress of a recording that started at startTime, with the current level.
    void showProgress(const QString &startTime, int db);
    QString timeText() const;
    int volumeValue() const;

public slots:
    void recording(AudioRecordVO *record, int db);

private:
    Ui::RecordVolumeDialog *ui;
};
