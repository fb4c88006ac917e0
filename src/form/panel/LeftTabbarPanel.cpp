#include "form/panel/LeftTabbarPanel.h"

#include "ui_LeftTabbarPanel.h"

#include <QButtonGroup>
#include <QToolButton>

LeftTabbarPanel::LeftTabbarPanel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TabPanel)
    , m_group(new QButtonGroup(this))
{
    ui->setupUi(this);
    m_group->setExclusive(true);
    // The form may carry designer placeholders: the buttons come from the device logic.
    while (QLayoutItem *item = ui->vltNavButton->takeAt(0)) {
        if (QWidget *w = item->widget())
            w->setParent(nullptr);
        delete item;
    }
}

LeftTabbarPanel::~LeftTabbarPanel()
{
    delete ui;
}

void LeftTabbarPanel::addButton(const QString &text, const QString &objectName)
{
    auto *button = new QToolButton(this);
    button->setText(text);
    button->setCheckable(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    if (!objectName.isEmpty())
        button->setObjectName(objectName);
    connect(button, &QToolButton::clicked, this, &LeftTabbarPanel::onBtnClicked);
    ui->vltNavButton->addWidget(button);
    m_group->addButton(button);
}

int LeftTabbarPanel::buttonCount() const
{
    return m_group->buttons().size();
}

void LeftTabbarPanel::setCurrentIndex(int index)
{
    const auto buttons = m_group->buttons();
    if (index < 0 || index >= buttons.size())
        return;
    buttons[index]->setChecked(true);
    m_current = index;
}

void LeftTabbarPanel::onBtnClicked(bool)
{
    const auto buttons = m_group->buttons();
    for (int i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == sender()) {
            m_current = i;
            emit displayTab(i, buttons[i]->text());
            return;
        }
    }
}
