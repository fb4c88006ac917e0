#pragma once

#include <QWidget>

namespace Ui {
class NoDeviceTab;
}

// The placeholder's page while no device is connected: says so, and how to connect one
// (a supported presenter or voice mouse over USB, or a Bluetooth scan).
class NoDeviceTab : public QWidget
{
    Q_OBJECT
public:
    explicit NoDeviceTab(QWidget *parent = nullptr);
    ~NoDeviceTab() override;

    QString title() const;
    QString hint() const;

private:
    Ui::NoDeviceTab *ui;
};
