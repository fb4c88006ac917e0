#include "screenshot/ScreenShotButtons.h"

#include "ui_ScreenShotButtons.h"

ScreenShotButtons::ScreenShotButtons(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::ScreenShotButtons)
{
    ui->setupUi(this);
    // Draw the style sheet's background: a plain QWidget subclass does not by default.
    setAttribute(Qt::WA_StyledBackground);
    setCursor(Qt::ArrowCursor);
}

ScreenShotButtons::~ScreenShotButtons()
{
    delete ui;
}

void ScreenShotButtons::translateCapture(const QImage &image, const QRect &region)
{
    m_image = image;
    m_region = region;
    emit snapshotTranslation(m_image, m_region);
}

void ScreenShotButtons::retranslate()
{
    if (!m_image.isNull())
        emit snapshotTranslation(m_image, m_region);
}

void ScreenShotButtons::on_btnCancel_clicked()
{
    emit cancelClicked();
}

void ScreenShotButtons::on_btnCopy_clicked()
{
    emit copyClicked();
}

void ScreenShotButtons::on_btnTranslate_clicked()
{
    emit translateClicked();
}
