#pragma once

#include <QImage>
#include <QRect>

// The darkened screen picture with a clear circle around the pointer.
//
// Pixels follow one rule: with (dx, dy) the offset from the centre, a pixel with
// dx² + dy² < r² is (254, 254, 254) at alpha 0, every other pixel (0, 0, 0) at alpha 150.
// The whole picture is darkened once per size; a move restores the previous circle's
// bounding box and clears the new one, so a frame costs O(r²) whatever the screen size.
class SpotlightFrame
{
public:
    static constexpr QRgb Dark = 0x96000000u;  // (0, 0, 0) at alpha 150
    static constexpr QRgb Clear = 0x00fefefeu; // (254, 254, 254) at alpha 0

    // A fully darkened W×H picture; nothing is done when the size is unchanged and no circle
    // has been drawn yet. Returns false when the picture cannot be allocated.
    bool reset(const QSize &size);
    void clear();
    bool isNull() const { return m_image.isNull(); }

    // Moves the circle to centre (x, y), radius r, both in picture coordinates.
    // Returns the changed area: the previous circle's box united with the new one.
    struct Change {
        QRect restored;
        QRect cleared;
    };
    Change moveSpot(const QPoint &centre, int radius);

    const QImage &image() const { return m_image; }
    // The box of the clear circle now drawn, empty when none.
    QRect spotRect() const { return m_spot; }

    // The bounding box of the pixels that the rule clears, clipped to the picture.
    static QRect spotBox(const QPoint &centre, int radius, const QSize &size);

private:
    QImage m_image;
    QRect m_spot;
};
