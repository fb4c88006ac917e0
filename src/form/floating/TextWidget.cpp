#include "form/floating/TextWidget.h"

#include "ui_TextWidget.h"

#include <QPainter>
#include <cmath>

TextWidget::TextWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TextWidget)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("TextWidget"));
    ui->setupUi(this);
    // The recognised text is pasted into the focused program: this box must never take the focus.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
}

TextWidget::~TextWidget()
{
    delete ui;
}

int TextWidget::heightFor(int textWidth, int lineHeight)
{
    const int lines = std::max(1, int(std::ceil(textWidth / 400.0)));
    return lines * (lineHeight + 18) + 50;
}

void TextWidget::setText(const QString &text)
{
    if (!text.isEmpty()) {
        // The style sheet's font is the box's only once it is polished; before its first show
        // the metrics would be the default font's.
        ui->teText->ensurePolished();
        const QRect bounds = ui->teText->fontMetrics().boundingRect(text);
        const int height = heightFor(bounds.width(), bounds.height());
        ui->teText->setFixedHeight(height);
        setFixedHeight(height);
    }
    // Recognised speech is plain text, never markup.
    ui->teText->setPlainText(text);
}

QString TextWidget::text() const
{
    return ui->teText->toPlainText();
}

void TextWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor color = palette().color(QPalette::Window);
    color.setAlpha(200);
    painter.fillRect(rect(), color);
}
