#pragma once

#include <QObject>
#include <QPointer>

class DeviceContext;
class FullScreenWidget;
class FunctionImpl;
class RecordVolumeDialog;
class SubtitleWidget;

// The floating windows of one device's function hub: the effect overlay, the subtitle strip
// and the recording volume window. They follow the hub's signals and die with the hub.
class FunctionWindows : public QObject
{
    Q_OBJECT
public:
    // Becomes a child of the hub.
    explicit FunctionWindows(FunctionImpl *hub);
    ~FunctionWindows() override;

    FullScreenWidget *overlay() const;
    SubtitleWidget *subtitle() const;
    RecordVolumeDialog *volume() const;

private:
    void placeVolumeWindow();

    QPointer<FullScreenWidget> m_overlay;
    QPointer<SubtitleWidget> m_subtitle;
    QPointer<RecordVolumeDialog> m_volume;
};
