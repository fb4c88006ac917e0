#pragma once

#include <QWidget>

namespace Ui {
class TextWidget;
}

// A floating read-only box of fixed width that grows in height with its text.
class TextWidget : public QWidget
{
public:
    explicit TextWidget(QWidget *parent = nullptr);
    ~TextWidget() override;

    void setText(const QString &text);
    QString text() const;
    // The height a text needs: whole lines of 400 px, each (line height + 18), plus 50.
    static int heightFor(int textWidth, int lineHeight);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Ui::TextWidget *ui;
};
