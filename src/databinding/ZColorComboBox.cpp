#include "databinding/ZColorComboBox.h"

#include "util/TrContexts.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

namespace {
struct NamedColor
{
    const char *value;
    const char *name;
};

// A few colours anyone can tell apart, rather than every SVG name. "lime" is the pure green
// the subtitles use by default.
const NamedColor kColors[] = {
    {"black", QT_TRANSLATE_NOOP("TUI", "黑色")},   {"white", QT_TRANSLATE_NOOP("TUI", "白色")},
    {"gray", QT_TRANSLATE_NOOP("TUI", "灰色")},    {"red", QT_TRANSLATE_NOOP("TUI", "红色")},
    {"orange", QT_TRANSLATE_NOOP("TUI", "橙色")},  {"yellow", QT_TRANSLATE_NOOP("TUI", "黄色")},
    {"lime", QT_TRANSLATE_NOOP("TUI", "亮绿色")},  {"green", QT_TRANSLATE_NOOP("TUI", "绿色")},
    {"cyan", QT_TRANSLATE_NOOP("TUI", "青色")},    {"blue", QT_TRANSLATE_NOOP("TUI", "蓝色")},
    {"purple", QT_TRANSLATE_NOOP("TUI", "紫色")},  {"magenta", QT_TRANSLATE_NOOP("TUI", "品红色")},
    {"pink", QT_TRANSLATE_NOOP("TUI", "粉色")},    {"brown", QT_TRANSLATE_NOOP("TUI", "棕色")},
};
} // namespace

ZColorComboBox::ZColorComboBox(QWidget *parent)
    : ZComboBox(parent)
{
    const QSignalBlocker blocker(this);
    for (const NamedColor &color : kColors)
        addColorItem(TUI::tr(color.name), QString::fromLatin1(color.value));
    setCurrentIndex(-1);
}

void ZColorComboBox::addColorItem(const QString &text)
{
    addColorItem(text, text);
}

void ZColorComboBox::addColorItem(const QString &text, const QString &value)
{
    QPixmap swatch(16, 16);
    swatch.fill(Qt::transparent);
    QPainter painter(&swatch);
    painter.setPen(QColor(160, 160, 160));
    painter.setBrush(QColor(value));
    painter.drawRect(0, 0, 15, 15);
    painter.end();
    addItem(QIcon(swatch), text, value);
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
