#include "form/floating/Magnifier.h"
#include "ui_Magnifier.h"

#include "form/floating/Compositing.h"
#include "logging/QsLog.h"

#include <QPainter>
#include <QRegion>
#include <cmath>
#include <cstring>

namespace {
// Source pixels outside the screen: almost black.
const QColor OffScreen(0, 0, 2);
} // namespace

Magnifier::Magnifier(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Magnifier)
    , m_lensImage(400, 300, QImage::Format_RGB888)
{
    ui->setupUi(this);
    setFixedSize(400, 300);
    // The lens only shows something: clicks go to the application below.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                   | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without a compositor a translucent window is black where it should be clear; the dot
    // is cut out with a window mask instead.
    m_masked = !Compositing::isActive();
    if (!m_masked)
        setAttribute(Qt::WA_TranslucentBackground);
    m_lensImage.fill(OffScreen);
}

Magnifier::~Magnifier()
{
    delete ui;
}

void Magnifier::setColor(const QString &color)
{
    const QColor c(color);
    if (!c.isValid()) {
        QLOG_WARN() << "Magnifier: invalid colour" << color;
        return;
    }
    m_color = c;
    update();
}

void Magnifier::setImage(const QRect &screenRect, const QImage &image)
{
    m_screenRect = screenRect;
    // One conversion per grab keeps each move a plain row copy.
    m_screenImage = image.format() == QImage::Format_RGB888 ? image
                                                             : image.convertToFormat(QImage::Format_RGB888);
    setSize(m_lensSize.width(), m_lensSize.height());
}

QSize Magnifier::sizeBound() const
{
    if (m_screenRect.isValid())
        return m_screenRect.size().boundedTo(QSize(MaxSide, MaxSide));
    return QSize(MaxSide, MaxSide);
}

void Magnifier::setSize(int w, int h)
{
    const QSize bound = sizeBound();
    const QSize wanted(w, h);
    m_lensSize = QSize(qBound(0, w, bound.width()), qBound(0, h, bound.height()));
    if (m_lensSize != wanted) {
        QLOG_WARN() << "Magnifier: lens size" << wanted << "limited to" << m_lensSize;
    }
    updateSourceSize();
}

void Magnifier::updateSourceSize()
{
    const QSize bound = sizeBound();
    const double w = std::trunc(m_lensSize.width() / m_zoom);
    const double h = std::trunc(m_lensSize.height() / m_zoom);
    m_sourceSize = QSize(int(qBound(0.0, w, double(bound.width()))), int(qBound(0.0, h, double(bound.height()))));
    m_stale = true;
}

void Magnifier::setShape(int shape)
{
    m_shape = shape;
    m_stale = true;
    updateMask();
    update();
}

void Magnifier::setRadius(int radius)
{
    m_radius = qBound(0, radius, MaxRadius);
    if (m_radius != radius) {
        QLOG_WARN() << "Magnifier: radius" << radius << "limited to" << m_radius;
    }
    m_stale = true;
    updateMask();
    update();
}

void Magnifier::setZoom(double zoom)
{
    // A zoom of 0 or less would divide by zero or turn the picture over.
    if (!(zoom > 0.0) || !std::isfinite(zoom)) {
        QLOG_WARN() << "Magnifier: zoom" << zoom << "replaced by 1.0";
        zoom = 1.0;
    }
    m_zoom = zoom;
    updateSourceSize();
}

void Magnifier::fitSize(int w, int h)
{
    if (m_shape != Lens) {
        setFixedSize(2 * m_radius, 2 * m_radius);
    } else {
        const QSize bound = sizeBound();
        setFixedSize(qBound(0, w, bound.width()), qBound(0, h, bound.height()));
    }
    m_stale = true;
    updateMask();
}

void Magnifier::updateMask()
{
    if (!m_masked)
        return;
    if (m_shape == Dot && m_radius > 0)
        setMask(QRegion(0, 0, 2 * m_radius, 2 * m_radius, QRegion::Ellipse));
    else
        clearMask();
}

void Magnifier::buildLens(int x, int y)
{
    const int sw = m_sourceSize.width();
    const int sh = m_sourceSize.height();
    const int sx = x - sw / 2;
    const int sy = y - sh / 2;

    QImage source(qMax(sw, 0), qMax(sh, 0), QImage::Format_RGB888);
    if (source.isNull()) {
        m_sourceImage = QImage();
        m_lensImage = QImage();
        return;
    }
    const QRect wanted(sx, sy, sw, sh);
    const QRect inside = wanted.intersected(m_screenImage.rect());
    if (inside != wanted)
        source.fill(OffScreen);
    for (int row = inside.top(); row <= inside.bottom() && !inside.isEmpty(); ++row) {
        const uchar *from = m_screenImage.constScanLine(row) + inside.left() * 3;
        uchar *to = source.scanLine(row - sy) + (inside.left() - sx) * 3;
        std::memcpy(to, from, size_t(inside.width()) * 3);
    }
    m_sourceImage = source;
    if (m_zoom != 1.0)
        m_lensImage = source.scaledToWidth(m_lensSize.width(), Qt::SmoothTransformation);
    else
        m_lensImage = source;
    ++m_buildCount;
}

void Magnifier::moveTo(const QPoint &p)
{
    if (p == m_lastCursorPos && !m_stale)
        return;
    m_lastCursorPos = p;
    m_stale = false;

    const int x = p.x() - m_screenRect.left();
    const int y = p.y() - m_screenRect.top();
    QPoint offset(0, 0);
    if (m_shape == Dot) {
        offset = QPoint(x - m_radius, y - m_radius);
    } else if (m_shape == Lens) {
        m_lensReady = false;
        buildLens(x, y);
        m_lensReady = !m_lensImage.isNull();
        offset = QPoint(x - m_lensSize.width() / 2, y - m_lensSize.height() / 2);
    }
    move(m_screenRect.topLeft() + offset);
    update();
    if (isHidden())
        show();
    raise();
}

void Magnifier::mouseMoveEvent(QMouseEvent *event)
{
    QLOG_DEBUG() << "Magnifier mouseMoveEvent ";
    QWidget::mouseMoveEvent(event);
}

void Magnifier::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_shape == Dot && m_masked) {
        // The mask alone gives the round shape: painting the whole window covers exactly the
        // pixels it lets through, where a drawn circle would leave a dark rim.
        painter.fillRect(rect(), m_color);
    } else if (m_shape == Dot) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(m_color);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRect(0, 0, 2 * m_radius, 2 * m_radius));
    } else if (m_shape == Lens && m_lensReady) {
        painter.drawImage(QPoint(1, 1), m_lensImage);
        painter.setPen(QColor(33, 33, 33, 255));
        painter.drawRect(QRect(0, 0, m_lensSize.width() - 2, m_lensSize.height() - 2));
        painter.setPen(Qt::NoPen);
    }
}
