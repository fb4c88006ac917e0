#pragma once

#include "logic/businessLogic/monitor/IHidBackend.h"

// HID interfaces through hidapi (hidraw).
class HidApiBackend : public IHidBackend
{
public:
    HidApiBackend();
    ~HidApiBackend() override;

    QVector<DeviceHardwareInfo> enumerate() override;
    std::unique_ptr<IHidHandle> open(const QString &path) override;

private:
    bool m_ready = false;
};
