#pragma once

#include "device/ContextContainer.h"
#include "form/floating/PointerScreen.h"
#include "form/floating/SpotlightFrame.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class Magnifier;
class PointerSetting;

namespace Ui {
class FullScreenWidget;
}

// The full-screen window of a presenter's three presentation effects: the spotlight (the
// screen darkened except a clear circle around the pointer), the lens and the digital-light
// dot (both drawn by the Magnifier window, which this overlay drives). The function hub
// starts an effect on the key press, stops it on release and steps its size with the volume
// keys. Sizes, colours and zoom come from the device's presenter settings.
class FullScreenWidget : public QWidget, public ContextContainer
{
public:
    enum Mode { Spotlight = 0, Lens = 1, DigitalLight = 2, NoEffect = 3 };
    static constexpr int TickMs = 40;
    // Time the windows below get to repaint once an effect window is gone, before the screen
    // is grabbed: otherwise the grab still holds the effect that was just switched off.
    static constexpr int ScreenRepaintMs = 150;

    explicit FullScreenWidget(QWidget *parent = nullptr);
    ~FullScreenWidget() override;

    void startFunction(int mode);
    void stopFunction();
    int functionMode() const { return m_mode; }
    void gearUp();
    void gearDown();
    void adjustGear(bool up);
    void applySetting(int mode);

    // The steps of the volume keys for an effect, lowest first; empty for NoEffect.
    static QStringList gears(int mode);
    static QString gearField(int mode);

    // Without a compositor the overlay is only mapped while it shows the spotlight: a
    // clear full-screen window would be black there.
    void setVisible(bool visible) override;

    // State for the hub's checks and the tests.
    Magnifier *magnifier() const { return m_magnifier; }
    const QImage *magnifierImage() const { return m_magnifierImage.get(); }
    const QImage *spotlightImage() const { return m_spotlight.isNull() ? nullptr : &m_spotlight.image(); }
    bool spotlightReady() const { return m_spotlightReady; }
    bool isTicking() const { return m_timer.isActive(); }
    // Between hiding the previous effect's windows and grabbing the screen for the next.
    bool isWaitingForRepaint() const { return m_settle.isActive(); }
    const QTimer *tickTimer() const { return &m_timer; }
    int tickCount() const { return m_tickCount; }
    // The region the last spotlight frame asked to repaint.
    QRegion lastRepaint() const { return m_lastRepaint; }
    // The whole-screen grab that stands behind the spotlight without a compositor.
    const QImage &frozenScreen() const { return m_frozen; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void tick();
    // Starts the effect once the screen below has repainted.
    void startAfterRepaint();
    bool makeSpotlightFrame(const QPoint &p, bool force);
    void grabForMagnifier();
    void placeOn(const QRect &geometry);
    PointerSetting *boundSetting() const;
    const PointerSetting &setting() const;
    int scaled(double value) const;
    QString settingsKey(int mode) const;
    static QString effectName(int mode);

    Ui::FullScreenWidget *ui;
    QTimer m_timer;
    QTimer m_settle;
    bool m_showWhenSettled = false;
    QElapsedTimer m_sinceHidden;
    Magnifier *m_magnifier = nullptr;
    std::unique_ptr<QImage> m_magnifierImage;
    SpotlightFrame m_spotlight;
    PointerScreen::Area m_currentScreen;
    int m_mode = NoEffect;
    float m_sizeFactor = 1.0f;
    std::optional<QPoint> m_lastCursorPos;
    bool m_spotlightReady = false;

    bool m_composited = false;
    QImage m_frozen;
    QRegion m_lastRepaint;
    // The settings the running effect was drawn with: a change shows on the next tick.
    QString m_appliedKey;
    int m_tickCount = 0;
};
