#pragma once

#include <QPushButton>

class QGraphicsOpacityEffect;
class QTimer;

// A push button that blinks while something runs in the background (a scan, an upload).
class AnimationButton : public QPushButton
{
    Q_OBJECT
public:
    explicit AnimationButton(QWidget *parent = nullptr);

    // Prepares the opacity effect and the timer; start() does it when needed.
    void setupAnimation();
    bool isAnimating() const;
    qreal opacity() const;

public slots:
    // Blinks with the given interval in milliseconds.
    void start(int interval = 100);
    // Stops blinking and restores full opacity.
    void stop();

private:
    void tick();

    QGraphicsOpacityEffect *m_effect = nullptr;
    QTimer *m_timer = nullptr;
    bool m_dim = false;
};
