#include "form/panel/DeviceInfoPanel.h"
#include "ui_DeviceInfoPanel.h"

#include "device/ProductInfo.h"
#include "logging/QsLog.h"
#include "logic/businessLogic/Launcher.h"
#include "util/TrContexts.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

DeviceInfoPanel::DeviceInfoPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DeviceInfoPanel)
{
    ui->setupUi(this);
    ui->lbOpenUrl->setText(TUI::tr("电子档说明书"));
    // The logo row stays at the top when the product has no picture or description below it.
    ui->verticalLayout->setAlignment(ui->horizontalFrame, Qt::AlignTop);
    connect(ui->lbOpenUrl, &ClickableLabel::clicked, this, &DeviceInfoPanel::openManual);
}

DeviceInfoPanel::~DeviceInfoPanel()
{
    delete ui;
}

int DeviceInfoPanel::descriptionHeight(const QString &description)
{
    return (description.size() + 799) / 800 * 40 + 100;
}

void DeviceInfoPanel::setDevice(const ProductInfo *product)
{
    if (!product) {
        QLOG_WARN() << "no product to show";
        return;
    }
    ui->lbImage->setStyleSheet(
        QStringLiteral("QLabel {background-image: url(%1); background-repeat: no-repeat; background-position: center;}")
            .arg(product->picture));
    ui->lbImage->clear();
    const int height = descriptionHeight(product->description);
    ui->tbProduct->setMinimumHeight(height);
    QLOG_DEBUG() << "Product Desc Height:" << height;
    ui->tbProduct->setText(product->description);
    // A product without a picture or a description shows no empty box in their place.
    ui->lbImage->setVisible(!product->picture.isEmpty() && QFileInfo::exists(product->picture));
    ui->tbProduct->setVisible(!product->description.trimmed().isEmpty());
    ui->lbLogo->setStyleSheet(
        QStringLiteral("QLabel {background-image:url(%1);background-repeat: no-repeat;}").arg(product->logo));
    ui->lbLogo->clear();
    QLOG_DEBUG() << "device->productInfo.productIntroUrl" << product->productIntroUrl;
    m_manual = product->productIntroUrl;
    ui->lbOpenUrl->setData(m_manual);
}

void DeviceInfoPanel::openManual()
{
    // The manual is a web page: only http(s) addresses are opened, never a local path.
    const QUrl url(m_manual.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
        if (!m_manual.isEmpty())
            QLOG_WARN() << "manual address is not a web address:" << m_manual;
        return;
    }
    Launcher::openUrl(url);
}
