#include "form/floating/FullScreenWidget.h"
#include "ui_FullScreenWidget.h"

#include "config/PointerSetting.h"
#include "device/DeviceContext.h"
#include "form/floating/Compositing.h"
#include "form/floating/Magnifier.h"
#include "logging/QsLog.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

FullScreenWidget::FullScreenWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FullScreenWidget)
{
    ui->setupUi(this);
    // The overlay only shows something: clicks and keys go to the presentation below.
    // Bypassing the window manager keeps it exactly on the screen's rectangle, above panels.
    setWindowFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput
                   | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
    // The keyboard stays with the presentation.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_composited = Compositing::isActive();
    if (m_composited)
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted from the frozen screen
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);

    m_timer.setInterval(TickMs);
    // Connected once here: starting an effect only starts the timer.
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    m_settle.setSingleShot(true);
    m_settle.setInterval(ScreenRepaintMs);
    connect(&m_settle, &QTimer::timeout, this, [this] { startAfterRepaint(); });
}

FullScreenWidget::~FullScreenWidget()
{
    m_timer.stop();
    delete m_magnifier;
    delete ui;
}

QStringList FullScreenWidget::gears(int mode)
{
    switch (mode) {
    case Spotlight:
        return {QStringLiteral("150"), QStringLiteral("250"), QStringLiteral("400")};
    case Lens:
        return {QStringLiteral("300*200"), QStringLiteral("400*266"), QStringLiteral("600*400")};
    case DigitalLight:
        return {QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("100")};
    default:
        return {};
    }
}

QString FullScreenWidget::gearField(int mode)
{
    switch (mode) {
    case Spotlight:
        return QStringLiteral("mKey_spotLightRadius");
    case Lens:
        return QStringLiteral("mKey_magnifierSize");
    case DigitalLight:
        return QStringLiteral("mKey_cursorRadius");
    default:
        return QString();
    }
}

QString FullScreenWidget::effectName(int mode)
{
    switch (mode) {
    case Spotlight:
        return TPointer::tr("聚光灯");
    case Lens:
        return TPointer::tr("放大镜");
    case DigitalLight:
        return TPointer::tr("数码光");
    default:
        return QString();
    }
}

PointerSetting *FullScreenWidget::boundSetting() const
{
    DeviceContext *c = context();
    return c ? dynamic_cast<PointerSetting *>(c->setting) : nullptr;
}

const PointerSetting &FullScreenWidget::setting() const
{
    static const PointerSetting defaults;
    const PointerSetting *s = boundSetting();
    return s ? *s : defaults;
}

int FullScreenWidget::scaled(double value) const
{
    return int(std::trunc(value * double(m_sizeFactor)));
}

QString FullScreenWidget::settingsKey(int mode) const
{
    const PointerSetting &s = setting();
    switch (mode) {
    case Spotlight:
        return QString::number(s.mKey_spotLightRadius);
    case Lens:
        return s.mKey_magnifierSize + QLatin1Char('/') + QString::number(s.mKey_magnifierRatio);
    case DigitalLight:
        return QString::number(s.mKey_cursorRadius) + QLatin1Char('/') + s.mKey_cursorColor;
    default:
        return QString();
    }
}

void FullScreenWidget::startFunction(int mode)
{
    if (mode < Spotlight || mode > NoEffect) {
        QLOG_WARN() << "FullScreenWidget: unknown effect" << mode;
        return;
    }
    if (!m_magnifier)
        m_magnifier = new Magnifier();

    const bool switching = m_mode != mode;
    const bool effectShown = m_magnifier->isVisible() || (!m_composited && isVisible());
    // Switching effects: the old one's picture must not stay on screen.
    if (switching) {
        if (mode != Spotlight && m_spotlightReady) {
            m_spotlightReady = false;
            update();
        }
        if (mode != Lens && mode != DigitalLight)
            m_magnifier->hide();
        // The still pictures behind a spotlight and a lens are taken afresh, not kept from
        // an earlier run: the screen has changed since.
        if (mode == Spotlight)
            m_spotlight.clear();
        if (mode == Lens)
            m_magnifierImage.reset();
    }

    m_mode = mode;
    QLOG_TRACE() << "启动功能: " << effectName(mode);

    // The lens, and the spotlight without a compositor, start from a grab of the screen. No
    // effect window may be in it: hide them all and let the windows below repaint first.
    const bool grabs = mode == Lens || (mode == Spotlight && !m_composited);
    if (switching && grabs) {
        if (effectShown || (m_sinceHidden.isValid() && m_sinceHidden.elapsed() < ScreenRepaintMs)) {
            m_magnifier->hide();
            if (!m_composited)
                QWidget::setVisible(false);
            m_timer.stop();
            m_settle.start();
            return;
        }
    }
    m_settle.stop();
    applySetting(mode);
    if (!m_composited && isVisible() && mode != Spotlight)
        QWidget::setVisible(false);
    m_timer.start();
}

void FullScreenWidget::startAfterRepaint()
{
    if (m_mode == NoEffect)
        return;
    applySetting(m_mode);
    if (!m_composited && isVisible() && m_mode != Spotlight)
        QWidget::setVisible(false);
    m_timer.start();
    if (m_showWhenSettled) {
        m_showWhenSettled = false;
        setVisible(true);
    }
}

void FullScreenWidget::stopFunction()
{
    if ((m_magnifier && m_magnifier->isVisible()) || isVisible())
        m_sinceHidden.restart();
    m_settle.stop();
    m_showWhenSettled = false;
    m_mode = NoEffect;
    m_magnifierImage.reset();
    m_spotlight.clear();
    m_frozen = QImage();
    // A restart must build a fresh frame even when the pointer has not moved.
    m_spotlightReady = false;
    m_lastCursorPos.reset();
    m_currentScreen = PointerScreen::Area();
    m_appliedKey.clear();
    if (m_magnifier)
        m_magnifier->hide();
    m_timer.stop();
}

void FullScreenWidget::gearUp()
{
    adjustGear(true);
    // While the screen repaints, the start to come draws with the new step.
    if (!m_settle.isActive())
        applySetting(m_mode);
}

void FullScreenWidget::gearDown()
{
    adjustGear(false);
    if (!m_settle.isActive())
        applySetting(m_mode);
}

void FullScreenWidget::adjustGear(bool up)
{
    const QStringList list = gears(m_mode);
    if (list.isEmpty())
        return;
    const QString field = gearField(m_mode);
    const PointerSetting &s = setting();
    const QString current = m_mode == Lens ? s.mKey_magnifierSize : s.text(field);
    const int i = list.indexOf(current);
    if (i < 0) {
        QLOG_WARN() << "调节档位时没有找到对应的档位: " << current;
    }
    const int j = up ? i + 1 : i - 1;
    if (j < 0 || j >= list.size())
        return;

    PointerSetting *record = boundSetting();
    if (!record) {
        QLOG_WARN() << "FullScreenWidget: no presenter settings to step";
        return;
    }
    const QString gear = list.at(j);
    // Through the notifying setter, so that the step reaches the settings file at once.
    const bool written = m_mode == Lens ? record->setValue(field, gear) : record->setValue(field, gear.toInt());
    if (!written) {
        QLOG_WARN() << "FullScreenWidget: cannot write" << field << gear;
        return;
    }
    switch (m_mode) {
    case Spotlight:
        QLOG_TRACE() << "完成聚光灯的设置...: " << gear;
        break;
    case Lens:
        QLOG_TRACE() << "完成放大镜的设置...: " << gear;
        break;
    default:
        QLOG_TRACE() << "完成电子光标的设置...: " << gear;
        break;
    }
}

void FullScreenWidget::applySetting(int mode)
{
    const PointerSetting &s = setting();
    const QPoint pos = PointerScreen::pointerPos();
    m_appliedKey = settingsKey(mode);

    switch (mode) {
    case Spotlight:
        setWindowTitle(TUI::tr("聚光灯"));
        QLOG_TRACE() << "完成聚光灯的设置... ";
        // Forced: a new radius shows at once even when the pointer stands still.
        if (makeSpotlightFrame(pos, true))
            raise();
        break;
    case Lens: {
        const QSize size = s.magnifierSize();
        QSize lens(scaled(size.width()), scaled(size.height()));
        const PointerScreen::Area area = PointerScreen::underPointer();
        if (area.isValid())
            lens = lens.boundedTo(area.geometry.size());
        m_magnifier->setShape(Magnifier::Lens);
        m_magnifier->setZoom(s.mKey_magnifierRatio);
        m_magnifier->setSize(lens.width(), lens.height());
        m_magnifier->fitSize(lens.width(), lens.height());
        QLOG_DEBUG() << "mKey_magnifierSize:" << size << ", sizeFactor:" << m_sizeFactor;
        setWindowTitle(TUI::tr("放大镜"));
        grabForMagnifier();
        m_magnifier->moveTo(pos);
        m_magnifier->show();
        QLOG_TRACE() << "完成放大镜的设置... ";
        break;
    }
    case DigitalLight: {
        m_magnifier->setShape(Magnifier::Dot);
        m_magnifier->setZoom(1.0);
        m_magnifier->setRadius(scaled(s.mKey_cursorRadius));
        m_magnifier->setColor(s.mKey_cursorColor);
        QLOG_DEBUG() << "color:" << s.mKey_cursorColor;
        const int side = scaled(2.0 * s.mKey_cursorRadius);
        m_magnifier->fitSize(side, side);
        setWindowTitle(TUI::tr("光标"));
        m_magnifier->moveTo(pos);
        m_magnifier->show();
        QLOG_TRACE() << "完成电子光标的设置... ";
        break;
    }
    default:
        break;
    }
}

void FullScreenWidget::tick()
{
    ++m_tickCount;
    // A settings page may change the running effect's values: redraw with them at once.
    if (m_mode != NoEffect && settingsKey(m_mode) != m_appliedKey) {
        applySetting(m_mode);
        return;
    }
    const QPoint p = PointerScreen::pointerPos();
    switch (m_mode) {
    case Spotlight:
        if (makeSpotlightFrame(p, false))
            raise();
        break;
    case Lens:
        grabForMagnifier();
        m_magnifier->moveTo(p);
        m_magnifier->raise();
        break;
    case DigitalLight:
        m_magnifier->moveTo(p);
        m_magnifier->raise();
        break;
    default:
        break;
    }
}

void FullScreenWidget::placeOn(const QRect &geometry)
{
    // The screen's own top-left: screens left of or above the primary have negative or
    // non-zero origins.
    setFixedSize(geometry.size());
    move(geometry.topLeft());
}

bool FullScreenWidget::makeSpotlightFrame(const QPoint &p, bool force)
{
    if (!force && m_spotlightReady && m_lastCursorPos && *m_lastCursorPos == p)
        return false;
    m_spotlightReady = false;
    m_lastCursorPos = p;

    const PointerScreen::Area area = PointerScreen::underPointer();
    if (!area.isValid())
        return false;
    const bool newImage = !area.sameScreen(m_currentScreen) || m_spotlight.isNull();
    m_currentScreen = area;
    const QRect g = area.geometry;

    if (newImage) {
        m_spotlight.clear();
        if (!m_spotlight.reset(g.size())) {
            QLOG_ERROR() << "FullScreenWidget: no memory for a spotlight frame of" << g.size();
            return false;
        }
        if (!m_composited) {
            // No compositor: the overlay is opaque, so it shows a still picture of the screen
            // with the darkening over it.
            m_frozen = AppHelper::grabScreen(0, 0, 0, -1, -1);
            if (m_frozen.isNull()) {
                QLOG_WARN() << "FullScreenWidget: the screen grab is empty";
            } else if (m_frozen.size() != g.size()) {
                m_frozen = m_frozen.scaled(g.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            }
        }
        placeOn(g);
    }

    const QPoint centre = p - g.topLeft();
    const int r = scaled(setting().mKey_spotLightRadius);
    const SpotlightFrame::Change change = m_spotlight.moveSpot(centre, r);
    if (newImage)
        m_lastRepaint = QRegion(rect());
    else
        m_lastRepaint = QRegion(change.restored).united(QRegion(change.cleared));
    update(m_lastRepaint);
    m_spotlightReady = true;
    return true;
}

void FullScreenWidget::grabForMagnifier()
{
    const PointerScreen::Area area = PointerScreen::underPointer();
    if (area.sameScreen(m_currentScreen) && m_magnifierImage)
        return;
    if (!area.isValid())
        return;
    m_currentScreen = area;
    const QRect g = area.geometry;
    QImage grab = AppHelper::grabScreen(0, 0, 0, -1, -1);
    if (grab.isNull()) {
        QLOG_WARN() << "FullScreenWidget: the screen grab is empty";
    } else if (grab.size() != g.size()) { // a scaled display
        grab = grab.scaledToWidth(g.width(), Qt::SmoothTransformation);
    }
    m_magnifierImage = std::make_unique<QImage>(grab);
    placeOn(g);
    m_magnifier->setImage(g, *m_magnifierImage);
}

void FullScreenWidget::setVisible(bool visible)
{
    // Shown once the effect has started: before, it would show an empty or stale picture.
    m_showWhenSettled = visible && m_settle.isActive();
    if (m_showWhenSettled)
        return;
    if (!visible && isVisible())
        m_sinceHidden.restart();
    if (visible && !m_composited && m_mode != Spotlight)
        visible = false;
    QWidget::setVisible(visible);
}

void FullScreenWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const bool spot = m_mode == Spotlight && m_spotlightReady && !m_spotlight.isNull();
    if (!m_composited) {
        if (!m_frozen.isNull())
            for (const QRect &r : event->region())
                painter.drawImage(r, m_frozen, r);
        else
            painter.fillRect(event->rect(), QColor(0, 0, 0));
    }
    if (!spot)
        return;
    const QImage &frame = m_spotlight.image();
    for (const QRect &r : event->region())
        painter.drawImage(r, frame, r);
}
