#include "qui/control/CheckBoxItem.h"

#include "qui/control/ClickableLabel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QMouseEvent>

CheckBoxItem::CheckBoxItem(QWidget *parent)
    : QWidget(parent)
{
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(6);
    m_checkBox = new QCheckBox(this);
    m_checkBox->setObjectName(QStringLiteral("checkBox"));
    m_layout->addWidget(m_checkBox);
    m_layout->addStretch(1);
    connect(m_checkBox, &QCheckBox::stateChanged, this, &CheckBoxItem::checkItem_checkStateChanged);
}

void CheckBoxItem::setText(const QString &text)
{
    m_checkBox->setText(text);
}

QString CheckBoxItem::text() const
{
    return m_checkBox->text();
}

void CheckBoxItem::setLabel(const QString &richText)
{
    if (!m_label) {
        m_label = new ClickableLabel(this);
        m_label->setObjectName(QStringLiteral("label"));
        m_label->setTextFormat(Qt::RichText);
        // Links in the text are ours to handle, not the browser's.
        m_label->setOpenExternalLinks(false);
        m_layout->insertWidget(1, m_label);
        connect(m_label, &ClickableLabel::clicked, this, &CheckBoxItem::checkItem_labelClick);
    }
    m_label->setText(richText);
}
