#include "databinding/FormContainer.h"

#include "config/BaseSetting.h"
#include "databinding/FormItem.h"
#include "databinding/ZCheckBox.h"
#include "databinding/ZColorComboBox.h"
#include "databinding/ZComboBox.h"
#include "device/DeviceContext.h"
#include "qui/control/ImageSwitch.h"

#include <QLabel>

FormContainer::FormContainer(QWidget *parent, const QString &validationName)
    : QWidget(parent)
    , IZContainer(validationName)
{
}

FormContainer::~FormContainer() = default;

void FormContainer::bindContextSetting(DeviceContext *context)
{
    if (!context || !context->setting)
        return;
    setData(context->setting, true);
    bindData();
}

FormItem *FormContainer::addCheckBoxItem(const QString &label, Qt::CheckState state, QWidget *parent,
                                         const QStringList &fields)
{
    auto *item = new FormItem(parent);
    ZCheckBox *box = item->addCheckBox(label, state);
    if (!fields.isEmpty())
        addBindWidget(box, fields);
    return item;
}

FormItem *FormContainer::addComboBoxItem(const QString &label, QWidget *parent, const QStringList &fields)
{
    auto *item = new FormItem(parent);
    item->addLabel(label);
    ZColorComboBox *combo = item->addColorComboBox();
    combo->setFixedWidth(200);
    if (!fields.isEmpty())
        addBindWidget(combo, fields);
    return item;
}

FormItem *FormContainer::addLabeledComboBoxItem(const QString &label, const QStringList &texts,
                                                const QStringList &values, QWidget *parent,
                                                const QStringList &fields)
{
    auto *item = new FormItem(parent);
    ZComboBox *combo = item->addLabeledComboBox(label, texts, values);
    combo->setFixedWidth(220);
    if (!fields.isEmpty())
        addBindWidget(combo, fields);
    return item;
}

FormItem *FormContainer::addImageSwitchItem(const QString &label, QWidget *parent, const QStringList &fields)
{
    auto *item = new FormItem(parent);
    // The text takes the row's free width before it wraps: the rows are as high as one line
    // of title and one of description.
    QLabel *text = item->addLabel(label, 100);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    ImageSwitch *sw = item->addImageSwitch();
    if (!fields.isEmpty())
        addBindWidget(sw, fields);
    return item;
}
