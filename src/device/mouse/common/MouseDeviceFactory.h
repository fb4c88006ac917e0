#pragma once

#include "device/IDeviceFactory.h"

// The voice mice sold without a brand of their own.
class MouseDeviceFactory : public IDeviceFactory
{
public:
    QString name() const override { return QStringLiteral("mouse"); }
    QString catalogueFile() const override { return QStringLiteral(":/device/catalogue/mouse.json"); }
    IDeviceLogic *createLogic(DeviceContext *context) const override;
};
