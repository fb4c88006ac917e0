#include "qui/ui/SectionWidget.h"

#include "logging/QsLog.h"
#include "qui/control/ClickableLabel.h"
#include "ui_SectionWidget.h"

#include <QMouseEvent>

SectionWidget::SectionWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::SectionWidget)
{
    ui->setupUi(this);
    ui->lbTitle->setProperty("form", QStringLiteral("section"));
}

SectionWidget::~SectionWidget()
{
    delete ui;
}

void SectionWidget::setTitle(const QString &title)
{
    ui->lbTitle->setText(title);
}

QString SectionWidget::title() const
{
    return ui->lbTitle->text();
}

void SectionWidget::setColumnCount(int count)
{
    m_columns = qMax(1, count);
}

bool SectionWidget::addOptions(const QStringList &labels, const QVariantList &datas)
{
    if (!datas.isEmpty() && datas.size() != labels.size()) {
        QLOG_ERROR() << "SectionWidget addOptions 传入参数labels  和 datas 数量不一致!";
        return false;
    }
    for (int i = 0; i < labels.size(); ++i) {
        auto *label = new ClickableLabel(this);
        label->setObjectName(QStringLiteral("option"));
        // Names come from data files: never interpret them as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(labels.at(i));
        if (!datas.isEmpty())
            label->setData(datas.at(i));
        const int index = m_labels.size();
        ui->gridLayout->addWidget(label, index / m_columns, index % m_columns);
        connect(label, &ClickableLabel::clicked, this,
                [this, label](QMouseEvent *) { emit labelSelected(label->text(), label->data()); });
        m_labels.append(label);
    }
    return true;
}

void SectionWidget::filterLabels(const QString &keyword)
{
    for (ClickableLabel *label : qAsConst(m_labels))
        label->setVisible(keyword.isEmpty() || label->text().contains(keyword, Qt::CaseSensitive));
}

QStringList SectionWidget::visibleLabels() const
{
    QStringList out;
    for (ClickableLabel *label : m_labels) {
        if (!label->isHidden())
            out << label->text();
    }
    return out;
}

void SectionWidget::setLineHidden(bool hidden)
{
    ui->line->setHidden(hidden);
}

bool SectionWidget::isLineHidden() const
{
    return ui->line->isHidden();
}
