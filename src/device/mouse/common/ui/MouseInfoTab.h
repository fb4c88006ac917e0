#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"
#include "device/VelloboxTypes.h"

#include <QMetaObject>

class DeviceInfoPanel;
class DeviceStatusPanel;
class FormItem;
class MicrophoneItem;
class MouseDevice;

namespace Ui {
class MouseInfoTab;
}

// The mouse's information page (" 设备信息"): the product panel and the "长按滚轮" switch that
// sends the device its on/off command. The connection chain and the microphone test are built
// and kept current but hidden. Six clicks on the "鼠标设置" title show the speech engine and
// system in a notice.
class MouseInfoTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    // Clicks on the "鼠标设置" title that show the engine notice, and how long it stays.
    static constexpr int InfoClicks = 6;
    static constexpr int InfoToastMs = 40000;

    explicit MouseInfoTab(QWidget *parent = nullptr);
    ~MouseInfoTab() override;

    DeviceInfoPanel *deviceInfo() const;
    DeviceStatusPanel *deviceStatus() const;
    MicrophoneItem *microphone() const;
    FormItem *switchRow() const { return m_switchRow; }

public slots:
    // Device notifications; a model update shows the newly matched product.
    void productChange(NotifyType type, const QVariant &oldStatus, const QVariant &newStatus);
    // Link states reported by the mouse.
    void setBluetoothConnected(bool connected);
    void setReceiverStatus(int level);

protected:
    void onContextChanged() override;

private:
    void showEngineInfo();
    MouseDevice *mouse() const;

    Ui::MouseInfoTab *ui;
    FormItem *m_sliderRow = nullptr;
    FormItem *m_switchRow = nullptr;
    int m_titleClicks = 0;
    QMetaObject::Connection m_productChange;
};
