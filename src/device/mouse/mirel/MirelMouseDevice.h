#pragma once

#include "device/mouse/common/MouseDevice.h"

// The branded voice mouse: one voice key whose function cycles through voice typing,
// translation typing and voice search.
class MirelMouseDevice : public MouseDevice
{
    Q_OBJECT
public:
    explicit MirelMouseDevice(DeviceContext *context, QObject *parent = nullptr);

    QString typeName() const override;
    std::unique_ptr<BaseSetting> createSetting() const override;
    QVector<PageEntry> pageTable() const override;
};
