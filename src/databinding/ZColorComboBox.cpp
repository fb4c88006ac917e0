#include "databinding/ZColorComboBox.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

ZColorComboBox::ZColorComboBox(QWidget *parent)
    : ZComboBox(parent)
{
    const QSignalBlocker blocker(this);
    const QStringList names = QColor::colorNames();
    for (const QString &name : names) {
        if (name != QLatin1String("transparent"))
            addColorItem(name);
    }
    setCurrentIndex(-1);
}

void ZColorComboBox::addColorItem(const QString &text)
{
    QPixmap swatch(16, 16);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(text));
    painter.drawRect(0, 0, 15, 15);
    painter.end();
    addItem(QIcon(swatch), text, text);
}

QColor ZColorComboBox::currentColor() const
{
    const int index = currentIndex();
    return index < 0 ? QColor() : QColor(itemData(index).toString());
}

void ZColorComboBox::bindData()
{
    if (!bindRecord() || bindField().isEmpty())
        return;
    const QVariant value = fieldValue();
    const QString text = value.toString().trimmed();
    if (findValue(value) < 0 && QColor::isValidColor(text)) {
        const QSignalBlocker blocker(this);
        addColorItem(text);
    }
    selectByData(value);
}
