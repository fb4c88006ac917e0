#include "databinding/PageNavigator.h"

#include "util/TrContexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

PageNavigator::PageNavigator(QWidget *parent)
    : QWidget(parent)
    , m_layout(new QHBoxLayout(this))
    , m_totalLabel(new QLabel(this))
    , m_prev(new QPushButton(QStringLiteral("<"), this))
    , m_next(new QPushButton(QStringLiteral(">"), this))
{
    setObjectName(QStringLiteral("PageNavigator"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(4);
    m_layout->addStretch(1);
    m_layout->addWidget(m_totalLabel);
    m_layout->addWidget(m_prev);
    m_layout->addWidget(m_next);
    m_prev->setObjectName(QStringLiteral("btnPrevPage"));
    m_next->setObjectName(QStringLiteral("btnNextPage"));
    for (QPushButton *b : {m_prev, m_next})
        b->setFixedSize(30, 26);
    connect(m_prev, &QPushButton::clicked, this, [this] { setCurrentPage(m_current - 1); });
    connect(m_next, &QPushButton::clicked, this, [this] { setCurrentPage(m_current + 1); });
    setTotal(0, 1, 1, m_buttonCount);
}

void PageNavigator::setTotal(int total, int pageSize, int currentPage, int buttonCount)
{
    m_total = qMax(0, total);
    m_pageSize = qMax(1, pageSize);
    m_pageCount = (m_total + m_pageSize - 1) / m_pageSize;
    m_buttonCount = qMax(0, buttonCount);
    m_current = m_pageCount == 0 ? 1 : qBound(1, currentPage, m_pageCount);
    m_totalLabel->setText(TUI::tr("共%1条").arg(m_total));
    rebuildButtons();
}

QString PageNavigator::totalText() const
{
    return m_totalLabel->text();
}

QVector<int> PageNavigator::buttonPages() const
{
    QVector<int> pages;
    for (const QPushButton *b : m_pageButtons)
        pages.append(b->text().toInt());
    return pages;
}

void PageNavigator::setCurrentPage(int page)
{
    if (m_pageCount == 0)
        return;
    page = qBound(1, page, m_pageCount);
    if (page == m_current)
        return;
    m_current = page;
    rebuildButtons();
    emit currentPageChanged(m_current);
}

void PageNavigator::rebuildButtons()
{
    for (QPushButton *b : qAsConst(m_pageButtons)) {
        m_layout->removeWidget(b);
        b->hide();
        b->deleteLater(); // may be the button whose click led here
    }
    m_pageButtons.clear();
    const int shown = qMin(m_buttonCount, m_pageCount);
    // A window of pages around the current one, kept inside 1..pages.
    int first = m_current - shown / 2;
    first = qBound(1, first, qMax(1, m_pageCount - shown + 1));
    const int nextIndex = m_layout->indexOf(m_next);
    for (int i = 0; i < shown; ++i) {
        const int page = first + i;
        auto *button = new QPushButton(QString::number(page), this);
        button->setCheckable(true);
        button->setChecked(page == m_current);
        button->setFixedSize(qMax(30, button->fontMetrics().horizontalAdvance(button->text()) + 16), 26);
        button->setObjectName(QStringLiteral("btnPage%1").arg(page));
        connect(button, &QPushButton::clicked, this, [this, page, button] {
            if (page == m_current)
                button->setChecked(true); // the current page stays marked
            else
                setCurrentPage(page);
        });
        m_layout->insertWidget(nextIndex + i, button);
        m_pageButtons.append(button);
    }
    m_prev->setEnabled(m_current > 1);
    m_next->setEnabled(m_current < m_pageCount);
}
