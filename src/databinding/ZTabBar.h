#pragma once

#include <QTabBar>
#include <QVector>

class DeviceContext;

// The device tab bar. It keeps one device context per tab (null for the placeholder tab) and
// lets each device's logic draw its status into its tab.
class ZTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit ZTabBar(QWidget *parent = nullptr);

    void appendItem(DeviceContext *context);
    const QVector<DeviceContext *> &items() const { return m_items; }
    DeviceContext *itemAt(int index) const { return m_items.value(index, nullptr); }
    // Removes the entry only; the tab is removed by the tab widget.
    void removeItemAt(int index);
    void clearItems() { m_items.clear(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<DeviceContext *> m_items;
};
