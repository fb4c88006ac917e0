#pragma once

#include "device/IDeviceLogic.h"

#include <QString>

class QWidget;

// The device settings pages that the forms layer builds, by the class names of the device
// logics' page tables (IDeviceLogic::pageTable). The page builder asks here for every entry
// that brings no creator of its own, so the device layer never needs the forms.
class DevicePages
{
public:
    // A new page of that class, or null for a page that is not built yet.
    static QWidget *create(const QString &pageClass, QWidget *parent = nullptr);
    // The page of a page-table entry. One class may serve as several pages of a device, told
    // apart by their buttons: the branded mouse's " AI智适应" page shows the detected
    // applications only, its " 自定义指令" page the keywords only.
    static QWidget *create(const IDeviceLogic::PageEntry &entry, QWidget *parent = nullptr);
    // Connects the device's signals to a page that follows the device (the M-key pages
    // re-select the current function and the presenter's re-reads its sizes; the mouse's
    // information page shows its link states; the record list shows the serial number and
    // reloads after each saved recording). Nothing for other pages.
    static void connectDevice(QWidget *page, IDeviceLogic *logic);
};
