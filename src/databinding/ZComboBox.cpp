#include "databinding/ZComboBox.h"

#include "databinding/BindValue.h"

#include <QFocusEvent>
#include <QSignalBlocker>

ZComboBox::ZComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // Made editable later (completers): typed text must never become an item.
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ZComboBox::onIndexChanged);
}

void ZComboBox::setItemValues(const QStringList &texts, const QVariantList &values)
{
    const QSignalBlocker blocker(this);
    clear();
    for (int i = 0; i < texts.size(); ++i)
        addItem(texts.at(i), values.value(i, texts.at(i)));
    if (bindRecord())
        bindData();
}

void ZComboBox::setItems(const QStringList &texts, const QStringList &values)
{
    QVariantList list;
    list.reserve(values.size());
    for (const QString &v : values)
        list.append(v);
    setItemValues(texts, list);
}

int ZComboBox::findValue(const QVariant &value) const
{
    if (!value.isValid())
        return -1;
    for (int i = 0; i < count(); ++i) {
        if (BindValue::equals(itemData(i), value))
            return i;
    }
    return -1;
}

void ZComboBox::selectByData(const QVariant &value)
{
    const QSignalBlocker blocker(this);
    const int index = findValue(value);
    setCurrentIndex(index);
    // An editable combo keeps typed text at index -1; show nothing rather than a stale text.
    if (index < 0 && isEditable())
        setEditText(QString());
}

void ZComboBox::bindData()
{
    if (!bindRecord() || bindField().isEmpty())
        return;
    selectByData(fieldValue());
}

void ZComboBox::onIndexChanged(int index)
{
    if (index < 0)
        return;
    writeField(itemData(index));
}

void ZComboBox::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    // Typed text that matched no item was not stored: show the stored choice again.
    if (!isEditable() || event->reason() == Qt::PopupFocusReason)
        return;
    const int index = currentIndex();
    const QString shown = index < 0 ? QString() : itemText(index);
    if (currentText() != shown) {
        const QSignalBlocker blocker(this);
        setEditText(shown);
    }
}
