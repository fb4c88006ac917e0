// Time per spotlight frame: the incremental frame builder against a full scan of the screen.
// Each frame is timed with its repaint: the changed rectangles for ours, the whole screen for
// the full scan, each drawn onto a backing-store picture as the window's paint event does.
//   spotlight [frames]
#include "form/floating/SpotlightFrame.h"

#include <QPainter>
#include <QRegion>

#include <QElapsedTimer>
#include <QVector>
#include <algorithm>
#include <functional>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
// The simplest honest frame: one select per pixel, which the compiler vectorises.
void fullScanFrame(QImage &image, const QPoint &c, int r)
{
    const qint64 r2 = qint64(r) * r;
    const int width = image.width();
    const int cx = c.x();
    for (int row = 0; row < image.height(); ++row) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(row));
        const qint64 dy = row - c.y();
        const qint64 dy2 = dy * dy;
        for (int col = 0; col < width; ++col) {
            const qint64 dx = col - cx;
            line[col] = dx * dx + dy2 < r2 ? SpotlightFrame::Clear : SpotlightFrame::Dark;
        }
    }
}

// What the paint event does with a region: draw those parts of the frame onto the window.
void paintRegion(QImage &backing, const QImage &frame, const QRegion &region)
{
    QPainter painter(&backing);
    for (const QRect &r : region)
        painter.drawImage(r, frame, r);
}

// A pointer sweeping over the screen in small steps, as a hand moves it.
QVector<QPoint> pointerPath(const QSize &size, int count)
{
    QVector<QPoint> path;
    path.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = i * 0.02;
        path.append(QPoint(int(size.width() * (0.5 + 0.4 * std::sin(t))),
                           int(size.height() * (0.5 + 0.4 * std::cos(1.3 * t)))));
    }
    return path;
}

double microsecondsPerFrame(const std::function<void(const QPoint &)> &frame, const QVector<QPoint> &path)
{
    QElapsedTimer timer;
    timer.start();
    for (const QPoint &p : path)
        frame(p);
    return double(timer.nsecsElapsed()) / 1000.0 / path.size();
}
} // namespace

int main(int argc, char **argv)
{
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    const int referenceFrames = std::max(5, frames / 100);
    const QVector<QSize> sizes{QSize(1920, 1080), QSize(3840, 2160)};
    const QVector<int> radii{150, 400};

    std::printf("%-10s %6s %14s %16s %8s\n", "screen", "radius", "ours us/frame", "full scan us/fr", "ratio");
    int mismatches = 0;
    for (const QSize &size : sizes) {
        for (int r : radii) {
            SpotlightFrame ours;
            ours.reset(size);
            QImage reference(size, QImage::Format_ARGB32);
            QImage backing(size, QImage::Format_ARGB32_Premultiplied);
            backing.fill(Qt::black);
            const QVector<QPoint> path = pointerPath(size, frames);

            const double oursUs = microsecondsPerFrame(
                [&](const QPoint &p) {
                    const SpotlightFrame::Change change = ours.moveSpot(p, r);
                    paintRegion(backing, ours.image(), QRegion(change.restored).united(change.cleared));
                },
                path);
            const QVector<QPoint> shortPath = path.mid(0, referenceFrames);
            const QRegion screen(QRect(QPoint(0, 0), size));
            const double fullUs = microsecondsPerFrame(
                [&](const QPoint &p) {
                    fullScanFrame(reference, p, r);
                    paintRegion(backing, reference, screen);
                },
                shortPath);

            // Both must give the same picture for the same pointer.
            ours.moveSpot(shortPath.last(), r);
            if (ours.image() != reference)
                ++mismatches;

            std::printf("%4dx%-5d %6d %14.1f %16.1f %8.1f\n", size.width(), size.height(), r, oursUs, fullUs,
                        fullUs / oursUs);
        }
    }
    if (mismatches)
        std::printf("MISMATCH: %d configurations differ from the full scan\n", mismatches);
    return mismatches ? 1 : 0;
}
