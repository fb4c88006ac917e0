#include "form/tab/KeywordRowActions.h"

#include "qui/control/ClickableLabel.h"
#include "util/TrContexts.h"

#include <QMouseEvent>

KeywordRowActions::KeywordRowActions(QWidget *parent)
    : LinkRowCell(parent)
{
    ClickableLabel *edit = addLink(QStringLiteral("lbEdit"),
                                   TUI::tr("<a style='color: green; text-decoration: none'>编辑</a>"));
    ClickableLabel *remove = addLink(QStringLiteral("lbDelete"),
                                     TUI::tr("<a style='color: red; text-decoration: none'>删除</a>"));
    connect(edit, &ClickableLabel::clicked, this, &KeywordRowActions::editClicked);
    connect(remove, &ClickableLabel::clicked, this, &KeywordRowActions::deleteClicked);
}
