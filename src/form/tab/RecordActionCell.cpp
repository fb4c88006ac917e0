#include "form/tab/RecordActionCell.h"

#include "qui/control/ClickableLabel.h"
#include "util/TrContexts.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QMouseEvent>

namespace {
ClickableLabel *linkLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new ClickableLabel(parent);
    label->setObjectName(name);
    label->setText(text);
    label->setOpenExternalLinks(false);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

RecordActionCell::RecordActionCell(QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setStyleSheet(QStringLiteral("background-color:rgba(0,0,0,0)"));
    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    ClickableLabel *play = linkLabel(QStringLiteral("lbPlay"),
                                     TUI::tr("<a style='color: green; text-decoration: none'>播放</a>"), this);
    ClickableLabel *share = linkLabel(QStringLiteral("lbShare"),
                                      TUI::tr("<a style='color: green; text-decoration: none'>分享</a>"), this);
    ClickableLabel *remove = linkLabel(QStringLiteral("lbDelete"),
                                       TUI::tr("<a style='color: red; text-decoration: none'>删除</a>"), this);
    layout->addWidget(play);
    layout->addWidget(share);
    layout->addWidget(remove);
    layout->addItem(new QSpacerItem(0, 0, QSizePolicy::Maximum, QSizePolicy::Expanding));

    connect(play, &ClickableLabel::clicked, this, &RecordActionCell::playClicked);
    connect(share, &ClickableLabel::clicked, this,
            [this](QMouseEvent *e) { emit shareClicked(e ? e->globalPos() : QCursor::pos()); });
    connect(remove, &ClickableLabel::clicked, this, &RecordActionCell::deleteClicked);
}
