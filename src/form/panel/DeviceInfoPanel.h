#pragma once

#include <QWidget>

struct ProductInfo;

namespace Ui {
class DeviceInfoPanel;
}

// The product block of a voice mouse's information page: brand logo, a link to the electronic
// manual, the product picture and its description, all from the matched catalogue entry.
class DeviceInfoPanel : public QWidget
{
    Q_OBJECT
public:
    explicit DeviceInfoPanel(QWidget *parent = nullptr);
    ~DeviceInfoPanel() override;

    // Fills every field from the product again (a model update replaces them all); a null
    // product leaves the panel as it is.
    void setDevice(const ProductInfo *product);
    QString manualAddress() const { return m_manual; }

    // The description's minimum height: 100 px plus 40 px per started 800 characters.
    static int descriptionHeight(const QString &description);

private:
    void openManual();

    Ui::DeviceInfoPanel *ui;
    QString m_manual;
};
