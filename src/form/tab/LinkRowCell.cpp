#include "form/tab/LinkRowCell.h"

#include "qui/control/ClickableLabel.h"

#include <QHBoxLayout>

LinkRowCell::LinkRowCell(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setStyleSheet(QStringLiteral("background-color:rgba(0,0,0,0)"));
    m_layout = new QHBoxLayout(this);
    m_layout->setSpacing(2);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Maximum, QSizePolicy::Expanding));
}

ClickableLabel *LinkRowCell::addLink(const QString &name, const QString &text)
{
    auto *label = new ClickableLabel(this);
    label->setObjectName(name);
    label->setText(text);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setOpenExternalLinks(false);
    label->setAlignment(Qt::AlignCenter);
    // Before the spacer that keeps the links at the left.
    m_layout->insertWidget(m_layout->count() - 1, label);
    return label;
}
