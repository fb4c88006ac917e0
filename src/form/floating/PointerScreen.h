#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QVector>
#include <optional>

// The mouse pointer and the screen under it, as the floating windows follow them.
// Tests set their own arrangement of screens and pointer: the offscreen platform has a single
// fixed screen and no pointer to move.
class PointerScreen
{
public:
    struct Area {
        QPointer<QScreen> screen; // null in a test arrangement
        QRect geometry;           // the whole screen
        QRect available;          // without task bars

        bool isValid() const { return geometry.isValid(); }
        bool sameScreen(const Area &other) const
        {
            return screen == other.screen && geometry == other.geometry;
        }
    };

    static QPoint pointerPos();
    // The screen holding the pointer; the primary screen when none does.
    static Area underPointer();

    struct Arrangement {
        QVector<Area> screens; // the first is the primary
        QPoint pointer;
    };
    static void setArrangement(std::optional<Arrangement> arrangement);
    // Moves the pointer of the test arrangement.
    static void setPointer(QPoint pointer);
};
