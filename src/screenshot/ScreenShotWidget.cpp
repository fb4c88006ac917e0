#include "screenshot/ScreenShotWidget.h"

#include "logging/QsLog.h"
#include "qui/Toast.h"
#include "screenshot/ScreenShotButtons.h"
#include "util/AppHelper.h"
#include "util/TrContexts.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QtMath>

namespace {
const QColor kShade(0, 0, 0, 120);
const QColor kAccent(0xff, 0x9f, 0x1a);
constexpr int kMinimumSide = 4; // smaller drags are taken as clicks
} // namespace

ScreenShotWidget::ScreenShotWidget(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool)
{
    setObjectName(QStringLiteral("ScreenShotWidget"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    m_buttons = new ScreenShotButtons(this);
    m_buttons->hide();
    connect(m_buttons, &ScreenShotButtons::cancelClicked, this, &ScreenShotWidget::cancel);
    connect(m_buttons, &ScreenShotButtons::copyClicked, this, &ScreenShotWidget::copyToClipboard);
    connect(m_buttons, &ScreenShotButtons::translateClicked, this, &ScreenShotWidget::capture);
}

bool ScreenShotWidget::start()
{
    QScreen *screen = AppHelper::currentScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        QLOG_ERROR() << "screenshot: no screen";
        return false;
    }
    const QImage picture = AppHelper::grabScreen(0, 0, 0, -1, -1);
    if (picture.isNull()) {
        QLOG_ERROR() << "screenshot: the screen could not be grabbed";
        Toast::instance().showMessage(2, TNotify::tr("截屏失败"), 2000);
        return false;
    }
    startWith(picture, screen->geometry());
    return true;
}

void ScreenShotWidget::startWith(const QImage &picture, const QRect &screenGeometry)
{
    m_picture = picture;
    m_screen = screenGeometry;
    m_drag = Drag::None;
    setSelection(QRect());
    setGeometry(m_screen);
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    // Escape must work even when the window manager keeps the focus elsewhere.
    grabKeyboard();
}

QRect ScreenShotWidget::pictureRect(const QRect &selection) const
{
    if (m_picture.isNull() || m_screen.isEmpty() || selection.isEmpty())
        return QRect();
    const qreal sx = qreal(m_picture.width()) / m_screen.width();
    const qreal sy = qreal(m_picture.height()) / m_screen.height();
    const QRect r(QPoint(qFloor(selection.left() * sx), qFloor(selection.top() * sy)),
                  QPoint(qCeil((selection.right() + 1) * sx) - 1, qCeil((selection.bottom() + 1) * sy) - 1));
    return r.intersected(m_picture.rect());
}

QImage ScreenShotWidget::selectedImage() const
{
    const QRect r = pictureRect(m_selection);
    return r.isEmpty() ? QImage() : m_picture.copy(r);
}

QRect ScreenShotWidget::globalRegion() const
{
    return m_selection.translated(m_screen.topLeft());
}

void ScreenShotWidget::capture()
{
    const QImage image = selectedImage();
    if (image.isNull())
        return;
    const QRect region = globalRegion();
    hide();
    emit regionCaptured(image, region);
    m_buttons->translateCapture(image, region);
}

void ScreenShotWidget::copyToClipboard()
{
    const QImage image = selectedImage();
    if (image.isNull())
        return;
    QApplication::clipboard()->setImage(image);
    hide();
    Toast::instance().showMessage(0, TNotify::tr("复制成功"), 1000);
}

void ScreenShotWidget::cancel()
{
    hide();
    emit canceled();
}

void ScreenShotWidget::setSelection(const QRect &selection)
{
    m_selection = selection.normalized().intersected(QRect(QPoint(0, 0), m_screen.size()));
    placeButtons();
    update();
}

void ScreenShotWidget::placeButtons()
{
    if (m_selection.isEmpty() || m_drag != Drag::None) {
        m_buttons->hide();
        return;
    }
    m_buttons->adjustSize();
    const QSize size = m_buttons->size();
    const QRect area(QPoint(0, 0), m_screen.size());
    // Below the region, right-aligned; above it when there is no room; else inside.
    int x = qBound(0, m_selection.right() - size.width() + 1, qMax(0, area.width() - size.width()));
    int y = m_selection.bottom() + 6;
    if (y + size.height() > area.height())
        y = m_selection.top() - size.height() - 6;
    if (y < 0)
        y = m_selection.bottom() - size.height() - 6;
    m_buttons->move(x, qMax(0, y));
    m_buttons->show();
    m_buttons->raise();
}

void ScreenShotWidget::finish()
{
    m_drag = Drag::None;
    if (m_selection.width() < kMinimumSide || m_selection.height() < kMinimumSide)
        m_selection = QRect();
    setSelection(m_selection);
}

void ScreenShotWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect area(QPoint(0, 0), m_screen.size());
    if (m_picture.isNull())
        p.fillRect(rect(), Qt::black);
    else
        p.drawImage(area, m_picture);

    QPainterPath shade;
    shade.addRect(rect());
    if (!m_selection.isEmpty()) {
        QPainterPath clear;
        clear.addRect(m_selection);
        shade = shade.subtracted(clear);
    }
    p.fillPath(shade, kShade);

    QFont font = p.font();
    font.setPixelSize(13);
    p.setFont(font);
    const QFontMetrics fm(font);
    auto pill = [&](const QRect &box, const QString &text) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 170));
        p.drawRoundedRect(box, 4, 4);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, text);
        p.setRenderHint(QPainter::Antialiasing, false);
    };

    if (m_selection.isEmpty()) {
        const QString hint = TUI::tr("拖动鼠标选择要翻译的区域，Esc 退出");
        QRect box(0, 0, fm.horizontalAdvance(hint) + 32, fm.height() + 16);
        box.moveCenter(area.center());
        pill(box, hint);
        return;
    }
    p.setPen(QPen(kAccent, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m_selection.adjusted(0, 0, -1, -1));
    // Handles on corners and edge centres, so the region reads as adjustable.
    p.setBrush(kAccent);
    const QRect s = m_selection.adjusted(0, 0, -1, -1);
    const QPoint points[] = {s.topLeft(), s.topRight(), s.bottomLeft(), s.bottomRight(),
                             QPoint(s.center().x(), s.top()), QPoint(s.center().x(), s.bottom()),
                             QPoint(s.left(), s.center().y()), QPoint(s.right(), s.center().y())};
    for (const QPoint &pt : points)
        p.drawRect(QRect(pt - QPoint(2, 2), QSize(5, 5)));

    const QRect px = pictureRect(m_selection);
    const QString size = QStringLiteral("%1 × %2").arg(px.width()).arg(px.height());
    QRect box(0, 0, fm.horizontalAdvance(size) + 16, fm.height() + 8);
    box.moveBottomLeft(QPoint(m_selection.left(), m_selection.top() - 4));
    if (box.top() < 0)
        box.moveTopLeft(m_selection.topLeft() + QPoint(4, 4));
    pill(box, size);
}

void ScreenShotWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        // A right click drops the region first, and leaves only when there is none.
        if (m_selection.isEmpty())
            cancel();
        else
            setSelection(QRect());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_selection.contains(event->pos())) {
        m_drag = Drag::Move;
        m_moveStart = m_selection;
    } else {
        m_drag = Drag::Select;
        m_selection = QRect(event->pos(), QSize(1, 1));
    }
    m_anchor = event->pos();
    setSelection(m_selection);
}

void ScreenShotWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag == Drag::Select) {
        setSelection(QRect(m_anchor, event->pos()));
    } else if (m_drag == Drag::Move) {
        QRect moved = m_moveStart.translated(event->pos() - m_anchor);
        const QRect area(QPoint(0, 0), m_screen.size());
        moved.moveLeft(qBound(0, moved.left(), area.width() - moved.width()));
        moved.moveTop(qBound(0, moved.top(), area.height() - moved.height()));
        setSelection(moved);
    } else {
        setCursor(m_selection.contains(event->pos()) ? Qt::SizeAllCursor : Qt::CrossCursor);
    }
}

void ScreenShotWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || m_drag == Drag::None)
        return;
    if (m_drag == Drag::Select)
        m_selection = QRect(m_anchor, event->pos()).normalized();
    finish();
}

void ScreenShotWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_selection.contains(event->pos()))
        capture();
}

void ScreenShotWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        capture();
        break;
    default:
        if (event->matches(QKeySequence::Copy))
            copyToClipboard();
        else
            QWidget::keyPressEvent(event);
    }
}

void ScreenShotWidget::hideEvent(QHideEvent *event)
{
    // The frozen picture is large; keep it only while picking.
    m_picture = QImage();
    m_selection = QRect();
    m_drag = Drag::None;
    m_buttons->hide();
    releaseKeyboard();
    QWidget::hideEvent(event);
}
