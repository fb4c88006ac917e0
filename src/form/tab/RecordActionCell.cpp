#include "form/tab/RecordActionCell.h"

#include "qui/control/ClickableLabel.h"
#include "util/TrContexts.h"

#include <QCursor>
#include <QMouseEvent>

RecordActionCell::RecordActionCell(QWidget *parent)
    : LinkRowCell(parent)
{
    ClickableLabel *play = addLink(QStringLiteral("lbPlay"),
                                   TUI::tr("<a style='color: green; text-decoration: none'>播放</a>"));
    ClickableLabel *share = addLink(QStringLiteral("lbShare"),
                                    TUI::tr("<a style='color: green; text-decoration: none'>分享</a>"));
    ClickableLabel *remove = addLink(QStringLiteral("lbDelete"),
                                     TUI::tr("<a style='color: red; text-decoration: none'>删除</a>"));

    connect(play, &ClickableLabel::clicked, this, &RecordActionCell::playClicked);
    connect(share, &ClickableLabel::clicked, this,
            [this](QMouseEvent *e) { emit shareClicked(e ? e->globalPos() : QCursor::pos()); });
    connect(remove, &ClickableLabel::clicked, this, &RecordActionCell::deleteClicked);
}
