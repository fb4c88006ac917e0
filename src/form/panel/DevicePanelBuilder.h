#pragma once

#include "device/IDeviceLogic.h"

// Turns a device logic's page table into its two panels: the navigation column
// (LeftTabbarPanel) and the page stack (TabPanel), bound to the device's context.
namespace DevicePanelBuilder {
IDeviceLogic::DeviceUi build(QWidget *mainWindow, IDeviceLogic *logic, const QVector<IDeviceLogic::PageEntry> &pages);
// Makes build the page builder of every device logic; calling it again does nothing more.
void install();
} // namespace DevicePanelBuilder
