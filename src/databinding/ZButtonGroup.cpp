#include "databinding/ZButtonGroup.h"

#include <QAbstractButton>
#include <QSignalBlocker>

ZButtonGroup::ZButtonGroup(QObject *parent)
    : QButtonGroup(parent)
{
    connect(this, &QButtonGroup::idClicked, this, &ZButtonGroup::ButtonGroup_buttonClicked);
}

void ZButtonGroup::bindData()
{
    if (!bindRecord() || bindField().isEmpty())
        return;
    bool ok = false;
    const QVariant value = fieldValue();
    int id = value.toInt(&ok);
    if (!ok) {
        const double d = value.toDouble(&ok);
        id = ok && d == static_cast<int>(d) ? static_cast<int>(d) : -1;
        ok = ok && id != -1;
    }
    checkId(ok ? id : -1);
}

void ZButtonGroup::checkId(int id)
{
    const QSignalBlocker blocker(this);
    QAbstractButton *target = id == -1 ? nullptr : button(id);
    const QList<QAbstractButton *> all = buttons();
    if (target) {
        const QSignalBlocker b(target);
        target->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its checked button by itself.
    const bool exclusive = this->exclusive();
    setExclusive(false);
    for (QAbstractButton *b : all) {
        const QSignalBlocker bb(b);
        b->setChecked(false);
    }
    setExclusive(exclusive);
}

void ZButtonGroup::ButtonGroup_buttonClicked(int id)
{
    writeField(id);
}
