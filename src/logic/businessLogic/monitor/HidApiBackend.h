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
    // False when hidapi could not be loaded or started: every scan then finds nothing.
    bool ready() const { return m_ready; }

private:
    bool m_ready = false;
};
