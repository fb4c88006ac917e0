#pragma once

#include <QLabel>

// A small information sign; its tool tip explains the row beside it and shows at once
// on hover. Without a picture of its own it paints a round "i".
class InfoLabel : public QLabel
{
    Q_OBJECT
public:
    explicit InfoLabel(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
