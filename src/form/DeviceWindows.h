#pragma once

#include <QObject>
#include <QPointer>

class DeviceContext;
class FullScreenWidget;
class FunctionImpl;
class RecordVolumeDialog;
class SubtitleWidget;
class TypingMicDialog;

// The floating windows of one device's functions: the effect overlay, the subtitle window,
// the recording volume window and the microphone tips of typing and voice search. A child
// of the device's hub, it follows the hub's signals and deletes the windows with it.
class DeviceWindows : public QObject
{
    Q_OBJECT
public:
    DeviceWindows(FunctionImpl *hub, DeviceContext *context);
    ~DeviceWindows() override;

    FullScreenWidget *overlay() const { return m_overlay; }
    SubtitleWidget *subtitles() const { return m_subtitles; }
    RecordVolumeDialog *volumeWindow() const { return m_volume; }
    TypingMicDialog *typingTip() const { return m_typingTip; }
    TypingMicDialog *searchTip() const { return m_searchTip; }

private:
    void connectEffects(FunctionImpl *hub);
    void connectRecording(FunctionImpl *hub);
    void connectTips(FunctionImpl *hub);
    void placeVolumeWindow();

    FullScreenWidget *m_overlay;
    SubtitleWidget *m_subtitles;
    RecordVolumeDialog *m_volume;
    TypingMicDialog *m_typingTip;
    TypingMicDialog *m_searchTip;
};
