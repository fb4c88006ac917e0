#include "qui/control/IconCheckBoxItem.h"

#include "qui/control/ImageSwitch.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>

IconCheckBoxItem::IconCheckBoxItem(QWidget *parent)
    : QWidget(parent)
    , m_icon(new QLabel(this))
    , m_name(new QLabel(this))
    , m_switch(new ImageSwitch(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->setSpacing(10);
    layout->addWidget(m_icon);
    layout->addWidget(m_name, 1);
    layout->addWidget(m_switch);
    m_name->setTextFormat(Qt::PlainText);
    m_switch->setEnabled(false);
    connect(m_switch, &ImageSwitch::checkedChanged, this,
            [this](bool checked) { emit checkedChanged(checked, m_iconPath, m_name->text()); });
}

void IconCheckBoxItem::setItem(const QString &iconPath, const QString &label, bool enabled, int width, int height)
{
    m_iconPath = iconPath;
    m_name->setText(label);
    m_switch->setEnabled(enabled);
    const QSize size(width, height);
    m_icon->setFixedSize(size);
    QPixmap pixmap;
    const QFileInfo info(iconPath);
    if (!iconPath.isEmpty() && info.isFile()) {
        const bool picture = !QImageReader::imageFormat(iconPath).isEmpty();
        if (!picture && info.isExecutable())
            pixmap = QFileIconProvider().icon(info).pixmap(size);
        else
            pixmap = QPixmap(iconPath).scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    } else if (!iconPath.isEmpty() && QIcon::hasThemeIcon(iconPath)) {
        // Desktop entries often name a theme icon rather than a file.
        pixmap = QIcon::fromTheme(iconPath).pixmap(size);
    }
    m_icon->setPixmap(pixmap);
}

void IconCheckBoxItem::setItem(const QImage &icon, const QString &iconPath, const QString &label, bool enabled)
{
    m_iconPath = iconPath;
    m_name->setText(label);
    m_switch->setEnabled(enabled);
    const QSize size = icon.isNull() ? QSize(32, 32) : icon.size().expandedTo(QSize(32, 32));
    m_icon->setFixedSize(size);
    m_icon->setAlignment(Qt::AlignCenter);
    m_icon->setPixmap(QPixmap::fromImage(icon));
}

QString IconCheckBoxItem::text() const
{
    return m_name->text();
}

bool IconCheckBoxItem::isChecked() const
{
    return m_switch->isChecked();
}

void IconCheckBoxItem::setChecked(bool checked)
{
    m_switch->setChecked(checked);
}

bool IconCheckBoxItem::hasIcon() const
{
    return !m_icon->pixmap(Qt::ReturnByValue).isNull();
}
