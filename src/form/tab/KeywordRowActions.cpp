#include "form/tab/KeywordRowActions.h"

#include "qui/control/ClickableLabel.h"
#include "util/TrContexts.h"

#include <QHBoxLayout>
#include <QMouseEvent>

KeywordRowActions::KeywordRowActions(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setStyleSheet(QStringLiteral("background-color:rgba(0,0,0,0)"));
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *edit = new ClickableLabel(this);
    edit->setObjectName(QStringLiteral("lbEdit"));
    edit->setText(TUI::tr("<a style='color: green; text-decoration: none'>编辑</a>"));
    auto *remove = new ClickableLabel(this);
    remove->setObjectName(QStringLiteral("lbDelete"));
    remove->setText(TUI::tr("<a style='color: red; text-decoration: none'>删除</a>"));
    for (ClickableLabel *label : {edit, remove}) {
        label->setTextFormat(Qt::RichText);
        // The labels take the click themselves: the links lead nowhere.
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        label->setOpenExternalLinks(false);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Maximum, QSizePolicy::Expanding));
    connect(edit, &ClickableLabel::clicked, this, &KeywordRowActions::editClicked);
    connect(remove, &ClickableLabel::clicked, this, &KeywordRowActions::deleteClicked);
}
