#pragma once

#include "device/IDeviceFactory.h"

// The branded presenters: the presenter logic with a catalogue of their own. Asked before the
// plain presenters, so a branded product is never taken for a plain one.
class TolvenPointerFactory : public IDeviceFactory
{
public:
    QString name() const override { return QStringLiteral("branded presenter"); }
    QString catalogueFile() const override { return QStringLiteral(":/device/catalogue/tolven_pointer.json"); }
    IDeviceLogic *createLogic(DeviceContext *context) const override;
};
