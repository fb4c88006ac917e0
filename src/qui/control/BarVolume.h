#pragma once

#include <QColor>
#include <QWidget>

// A level meter of separate bars: the first `value` bars of `step` are lit, coloured
// along the start - middle - end gradient; the rest are drawn faint.
// Horizontal mode fills left to right, vertical mode bottom to top.
class BarVolume : public QWidget
{
    Q_OBJECT
public:
    explicit BarVolume(QWidget *parent = nullptr);

    int value() const { return m_value; }
    int step() const { return m_step; }
    int space() const { return m_space; }
    int padding() const { return m_padding; }
    int radius() const { return m_radius; }
    bool isHorizontal() const { return m_horizontal; }
    QColor barColorStart() const { return m_colorStart; }
    QColor barColorMid() const { return m_colorMid; }
    QColor barColorEnd() const { return m_colorEnd; }
    QColor barBackground() const { return m_colorOff; }
    // Colour of bar i (0-based) when lit.
    QColor barColor(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    // Clamped to 0..step.
    void setValue(int value);
    // Number of bars, at least 1.
    void setStep(int step);
    void setSpace(int space);
    void setPadding(int padding);
    void setRadius(int radius);
    void setBarColorStart(const QColor &color);
    void setBarColorMid(const QColor &color);
    void setBarColorEnd(const QColor &color);
    void setBarBackground(const QColor &color);
    // True: horizontal bars filling to the right; false: vertical, filling upwards.
    void setMode(bool horizontal);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_value = 0;
    int m_step = 10;
    int m_space = 2;
    int m_padding = 2;
    int m_radius = 2;
    bool m_horizontal = true;
    QColor m_colorStart{0x2e, 0xcc, 0x71};
    QColor m_colorMid{0xf1, 0xc4, 0x0f};
    QColor m_colorEnd{0xe7, 0x4c, 0x3c};
    QColor m_colorOff{128, 128, 128, 80};
};
