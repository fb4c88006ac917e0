#include "form/floating/SpotlightFrame.h"

#include <algorithm>
#include <cmath>

bool SpotlightFrame::reset(const QSize &size)
{
    if (!m_image.isNull() && m_image.size() == size && m_spot.isEmpty())
        return true;
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_ARGB32);
    if (m_image.isNull()) {
        m_spot = QRect();
        return false;
    }
    m_image.fill(Dark);
    m_spot = QRect();
    return true;
}

void SpotlightFrame::clear()
{
    m_image = QImage();
    m_spot = QRect();
}

QRect SpotlightFrame::spotBox(const QPoint &centre, int radius, const QSize &size)
{
    if (radius <= 0)
        return QRect();
    // -r < dx < r: columns centre - r + 1 .. centre + r - 1.
    const QRect box(QPoint(centre.x() - radius + 1, centre.y() - radius + 1),
                    QPoint(centre.x() + radius - 1, centre.y() + radius - 1));
    return box.intersected(QRect(QPoint(0, 0), size));
}

SpotlightFrame::Change SpotlightFrame::moveSpot(const QPoint &centre, int radius)
{
    Change change;
    if (m_image.isNull())
        return change;

    if (!m_spot.isEmpty()) {
        for (int row = m_spot.top(); row <= m_spot.bottom(); ++row) {
            QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
            std::fill(line + m_spot.left(), line + m_spot.right() + 1, Dark);
        }
        change.restored = m_spot;
    }

    const QRect box = spotBox(centre, radius, m_image.size());
    m_spot = box;
    if (box.isEmpty())
        return change;

    const qint64 r2 = qint64(radius) * radius;
    for (int row = box.top(); row <= box.bottom(); ++row) {
        const qint64 dy = row - centre.y();
        const qint64 rest = r2 - dy * dy; // dx² must stay below this
        if (rest <= 0)
            continue;
        // The widest half span h with h² < rest; sqrt only gives the first guess.
        qint64 h = qint64(std::sqrt(double(rest)));
        while (h > 0 && h * h >= rest)
            --h;
        while ((h + 1) * (h + 1) < rest)
            ++h;
        const int from = int(qMax<qint64>(box.left(), centre.x() - h));
        const int to = int(qMin<qint64>(box.right(), centre.x() + h));
        if (from > to)
            continue;
        QRgb *line = reinterpret_cast<QRgb *>(m_image.scanLine(row));
        std::fill(line + from, line + to + 1, Clear);
    }
    change.cleared = box;
    return change;
}
