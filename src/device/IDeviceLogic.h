#pragma once

#include "device/VelloboxTypes.h"

#include <QObject>
#include <QPair>
#include <QVariant>

class DeviceContext;
class LeftTabbarPanel;
class QPainter;
class QRect;
class QWidget;
class TabPanel;

// Decodes a device's keys into actions and builds the device's settings pages.
// Lives in the device's listener thread for HID devices: GUI receivers get its signals queued.
class IDeviceLogic : public QObject
{
    Q_OBJECT
public:
    using DeviceUi = QPair<TabPanel *, LeftTabbarPanel *>;

    explicit IDeviceLogic(DeviceContext *context, QObject *parent = nullptr);
    ~IDeviceLogic() override;

    DeviceContext *context() const { return m_context; }

    // Builds the page stack and its navigation column; the function hub must exist.
    virtual DeviceUi initializeUI(QWidget *mainWindow) = 0;
    DeviceUi deviceUi() const { return m_ui; }
    // Undoes what initializeUI connected.
    virtual void releaseUI() {}

    // The device kind's display name (the tab title).
    virtual QString typeName() const = 0;
    // Draws the device's status in its tab.
    virtual void paintStatus(QPainter *painter, const QRect &rect) const = 0;

signals:
    void invokeFunction(VelloboxActionType action, VelloboxFunctionFlags flags, const QString &text);
    void notifyChange(NotifyType type, const QVariant &oldValue, const QVariant &newValue);

protected:
    DeviceContext *m_context;
    DeviceUi m_ui{nullptr, nullptr};
};
