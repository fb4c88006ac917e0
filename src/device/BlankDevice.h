#pragma once

#include "device/IDeviceLogic.h"

// The placeholder whose pages fill the main window while no device is connected.
class BlankDevice : public IDeviceLogic
{
    Q_OBJECT
public:
    explicit BlankDevice(QObject *parent = nullptr);

    QString typeName() const override;
    void paintStatus(QPainter *painter, const QRect &rect) const override;
    QVector<PageEntry> pageTable() const override;
};
