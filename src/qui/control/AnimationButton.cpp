#include "qui/control/AnimationButton.h"

#include <QGraphicsOpacityEffect>
#include <QTimer>

namespace {
constexpr qreal kDimOpacity = 0.3;
}

AnimationButton::AnimationButton(QWidget *parent)
    : QPushButton(parent)
{
}

void AnimationButton::setupAnimation()
{
    if (m_timer)
        return;
    m_effect = new QGraphicsOpacityEffect(this);
    m_effect->setOpacity(1.0);
    // The effect stays disabled while idle: it renders through an off-screen buffer.
    m_effect->setEnabled(false);
    setGraphicsEffect(m_effect);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &AnimationButton::tick);
}

bool AnimationButton::isAnimating() const
{
    return m_timer && m_timer->isActive();
}

qreal AnimationButton::opacity() const
{
    return m_effect && m_effect->isEnabled() ? m_effect->opacity() : 1.0;
}

void AnimationButton::start(int interval)
{
    setupAnimation();
    m_timer->start(qMax(16, interval));
    m_effect->setEnabled(true);
}

void AnimationButton::stop()
{
    if (!m_timer)
        return;
    m_timer->stop();
    m_dim = false;
    m_effect->setOpacity(1.0);
    m_effect->setEnabled(false);
}

void AnimationButton::tick()
{
    m_dim = !m_dim;
    m_effect->setOpacity(m_dim ? kDimOpacity : 1.0);
}
