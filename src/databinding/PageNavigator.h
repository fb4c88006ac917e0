#pragma once

#include <QVector>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;

// Page buttons for a paged list: "<", a window of page numbers around the current page, ">",
// and the total count.
class PageNavigator : public QWidget
{
    Q_OBJECT
public:
    explicit PageNavigator(QWidget *parent = nullptr);

    // pages = (total + pageSize - 1) / pageSize; at most buttonCount number buttons.
    void setTotal(int total, int pageSize, int currentPage, int buttonCount);

    int total() const { return m_total; }
    int pageCount() const { return m_pageCount; }
    int currentPage() const { return m_current; }
    int pageButtonCount() const { return m_pageButtons.size(); }
    // The page numbers on the buttons, left to right.
    QVector<int> buttonPages() const;
    QString totalText() const;

public slots:
    // Shows the page and emits currentPageChanged when it differs; clamped to the pages.
    void setCurrentPage(int page);

signals:
    void currentPageChanged(int page);

private:
    void rebuildButtons();

    QHBoxLayout *m_layout;
    QLabel *m_totalLabel;
    QPushButton *m_prev;
    QPushButton *m_next;
    QVector<QPushButton *> m_pageButtons;
    int m_total = 0;
    int m_pageSize = 1;
    int m_pageCount = 0;
    int m_current = 1;
    int m_buttonCount = 7;
};
