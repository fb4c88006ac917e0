#pragma once

#include <QWidget>

class QButtonGroup;

namespace Ui {
class TabPanel;
}

// The column of page buttons of one device, a page of the navigation stack.
class LeftTabbarPanel : public QWidget
{
    Q_OBJECT
public:
    explicit LeftTabbarPanel(QWidget *parent = nullptr);
    ~LeftTabbarPanel() override;

    void addButton(const QString &text, const QString &objectName = QString());
    // Marks the button at index; emits nothing. Out-of-range indexes do nothing.
    void setCurrentIndex(int index);
    int currentIndex() const { return m_current; }
    int buttonCount() const;

signals:
    void displayTab(int index, const QString &text);

public slots:
    void onBtnClicked(bool checked = false);

private:
    Ui::TabPanel *ui;
    QButtonGroup *m_group;
    int m_current = -1;
};
