#pragma once

#include "device/IDeviceLogic.h"

// The device logic of the presenters: M key with its effect list, recording and subtitles.
class PointerDevice : public IDeviceLogic
{
    Q_OBJECT
public:
    explicit PointerDevice(DeviceContext *context, QObject *parent = nullptr);

    QString typeName() const override;
    std::unique_ptr<BaseSetting> createSetting() const override;
    QVector<PageEntry> pageTable() const override;
};
