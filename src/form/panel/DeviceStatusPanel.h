#pragma once

#include <QWidget>

class QLabel;

namespace Ui {
class DeviceStatusPanel;
}

// The connection chain of a voice mouse: device, receiver, App and cloud, each drawn in one of
// the states 0, 1 and 2, with a link picture between neighbours that follows from the two
// nodes it joins, and the Bluetooth and USB link pictures above the receiver. The page gives the
// states their meaning (2 connected, 1 not connected).
class DeviceStatusPanel : public QWidget
{
    Q_OBJECT
public:
    enum Node { DeviceNode = 0, ReceiverNode = 1, AppNode = 2, CloudNode = 3, NodeCount = 4 };
    enum { LinkCount = 3 };

    explicit DeviceStatusPanel(QWidget *parent = nullptr);
    ~DeviceStatusPanel() override;

    // Status -1 and nodes outside 0..3 are refused (logged); the same state changes nothing.
    void setStatus(int node, int status);
    int status(int node) const;
    // The state shown by link i, which joins node i and node i + 1.
    int linkStatus(int link) const;
    // -1 hides the picture; any other state shows it.
    void setBluetoothStatus(int status);
    void setUsbStatus(int status);
    // A non-empty text shows the notice row; an empty one hides it.
    void setNotification(const QString &text);

    // The state drawn on a label: the number its picture was loaded for, -1 before.
    static int shownStatus(const QLabel *label);

private:
    void setStatusImage(QLabel *label, int status);
    void updateLink(int link);

    Ui::DeviceStatusPanel *ui;
    QLabel *m_nodes[NodeCount] = {};
    int m_states[NodeCount] = {};
    QLabel *m_links[LinkCount] = {};
};
