#pragma once

#include "device/IDeviceLogic.h"

// The device logic of the voice mice: M key, voice keys, wheel switch, DPI and the
// receiver's link status.
class MouseDevice : public IDeviceLogic
{
    Q_OBJECT
public:
    // The DPI is read back this long after a change.
    static constexpr int DpiReadBackMs = 1000;

    explicit MouseDevice(DeviceContext *context, QObject *parent = nullptr);

    QString typeName() const override;
    std::unique_ptr<BaseSetting> createSetting() const override;
    QVector<PageEntry> pageTable() const override;

    // Writes the output report "0a032301" (on) or "0a032300" (off) through the listener;
    // false when there is no listener or the device refused it.
    bool sendSwitchCommand(bool on);
    // Sends the DPI command of the level and reads the DPI back after a second; false when
    // this product has no known DPI command or the write failed.
    bool setDpi(int level);

    bool bluetoothConnected() const { return m_bluetoothConnected; }
    int receiverStatus() const { return m_receiverStatus; }

public slots:
    // Link states reported by the device, passed on to its information page: the first report
    // of each, then every change.
    void setBluetoothConnected(bool connected);
    void setReceiverStatus(int level);

signals:
    void bluetoothConnectedChanged(bool connected);
    void receiverStatusChanged(int level);

protected:
    // The products' DPI commands; empty where the product has none that is known.
    virtual QByteArray dpiCommand(int level) const;
    virtual QByteArray dpiQueryCommand() const;
    bool writeReport(const QByteArray &report);

private:
    bool m_bluetoothConnected = false;
    int m_receiverStatus = 0;
    bool m_bluetoothReported = false;
    bool m_receiverReported = false;
};
