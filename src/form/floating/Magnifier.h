#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace Ui {
class Magnifier;
}

// The small window that follows the pointer during the lens and digital-light effects:
// shape 1 shows the screen around the pointer enlarged, shape 2 a coloured dot centred on it.
// It knows nothing of devices; the effect overlay sets it up and moves it every tick.
class Magnifier : public QWidget
{
public:
    enum Shape { Lens = 1, Dot = 2 };
    // Nothing larger is ever allocated, whatever the settings say.
    static constexpr int MaxSide = 8192;
    static constexpr int MaxRadius = 1024;

    explicit Magnifier(QWidget *parent = nullptr);
    ~Magnifier() override;

    void setColor(const QString &color);
    // The grab of the whole screen and the area it covers, in screen coordinates.
    void setImage(const QRect &screenRect, const QImage &image);
    void setSize(int w, int h);
    void setShape(int shape);
    void setRadius(int radius);
    void setZoom(double zoom);
    void fitSize(int w, int h);
    void moveTo(const QPoint &p);

    QSize lensSize() const { return m_lensSize; }
    QSize sourceSize() const { return m_sourceSize; }
    double zoom() const { return m_zoom; }
    int shape() const { return m_shape; }
    int radius() const { return m_radius; }
    QColor color() const { return m_color; }
    QRect screenRect() const { return m_screenRect; }
    bool lensReady() const { return m_lensReady; }
    const QImage &lensImage() const { return m_lensImage; }
    // The screen area under the lens, before enlarging: what the last move took.
    const QImage &sourceImage() const { return m_sourceImage; }
    // Counts the pictures built by moves, so that callers can see a move that did nothing.
    int buildCount() const { return m_buildCount; }

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateSourceSize();
    QSize sizeBound() const;
    void updateMask();
    void buildLens(int x, int y);

    Ui::Magnifier *ui;
    QPoint m_lastCursorPos;
    QRect m_screenRect;
    QSize m_lensSize{400, 300};
    QSize m_sourceSize{200, 150};
    int m_radius = 100;
    QColor m_color = Qt::red;
    QImage m_screenImage;
    QImage m_lensImage;
    double m_zoom = 2.0;
    int m_shape = Lens;
    bool m_lensReady = false;
    // A setting changed since the last move: the next move rebuilds even at the same spot.
    bool m_stale = true;
    bool m_masked = false;
    QImage m_sourceImage;
    int m_buildCount = 0;
};
