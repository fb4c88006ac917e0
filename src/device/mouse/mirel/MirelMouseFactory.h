#pragma once

#include "device/IDeviceFactory.h"

// The branded voice mice.
class MirelMouseFactory : public IDeviceFactory
{
public:
    QString name() const override { return QStringLiteral("branded mouse"); }
    QString catalogueFile() const override { return QStringLiteral(":/device/catalogue/mirel_mouse.json"); }
    IDeviceLogic *createLogic(DeviceContext *context) const override;
};
