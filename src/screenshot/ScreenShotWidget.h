#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

class ScreenShotButtons;

// The region picker of screenshot translation. It freezes the screen under the pointer
// and covers that screen with the frozen picture, darkened except for the region the
// user drags out. Being an opaque picture of the screen, it needs no compositor.
// Enter, a double click or the translate button hands the region's pixels on;
// Escape, a right click without a region, or cancel closes it.
// The widget is meant to be kept and started again; it drops its picture when hidden.
class ScreenShotWidget : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenShotWidget(QWidget *parent = nullptr);

    // Grabs the screen under the pointer and shows the picker on it. False when no
    // picture could be taken (nothing is shown then).
    bool start();
    // Shows the picker over the given picture of the screen with that geometry.
    void startWith(const QImage &picture, const QRect &screenGeometry);

    // The chosen region in this widget's coordinates; empty when none.
    QRect selection() const { return m_selection; }
    // The region in the picture's pixels (the picture may have more pixels than the
    // screen has logical points).
    QRect pictureRect(const QRect &selection) const;
    QImage selectedImage() const;
    // The region in global screen coordinates.
    QRect globalRegion() const;
    ScreenShotButtons *buttons() const { return m_buttons; }

public slots:
    // Hands the chosen region on (regionCaptured, then the tool bar's translation) and closes.
    void capture();
    void copyToClipboard();
    void cancel();

signals:
    void regionCaptured(const QImage &image, const QRect &region);
    void canceled();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Drag { None, Select, Move };

    void setSelection(const QRect &selection);
    void placeButtons();
    void finish();

    QImage m_picture;
    QRect m_screen;
    QRect m_selection;
    Drag m_drag = Drag::None;
    QPoint m_anchor;
    QRect m_moveStart;
    ScreenShotButtons *m_buttons = nullptr;
};
