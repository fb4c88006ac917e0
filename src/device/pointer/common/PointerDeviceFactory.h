#pragma once

#include "device/IDeviceFactory.h"

// The presenters sold without a brand of their own.
class PointerDeviceFactory : public IDeviceFactory
{
public:
    QString name() const override { return QStringLiteral("presenter"); }
    QString catalogueFile() const override { return QStringLiteral(":/device/catalogue/pointer.json"); }
    IDeviceLogic *createLogic(DeviceContext *context) const override;
};
