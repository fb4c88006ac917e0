#include "form/floating/PointerScreen.h"

#include "util/AppHelper.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
std::optional<PointerScreen::Arrangement> &arrangement()
{
    static std::optional<PointerScreen::Arrangement> value;
    return value;
}

PointerScreen::Area areaOf(QScreen *screen)
{
    PointerScreen::Area area;
    if (!screen)
        return area;
    area.screen = screen;
    area.geometry = screen->geometry();
    area.available = screen->availableGeometry();
    return area;
}
} // namespace

QPoint PointerScreen::pointerPos()
{
    if (arrangement())
        return arrangement()->pointer;
    return QCursor::pos();
}

PointerScreen::Area PointerScreen::underPointer()
{
    if (arrangement()) {
        const Arrangement &a = *arrangement();
        for (const Area &area : a.screens) {
            if (area.geometry.contains(a.pointer))
                return area;
        }
        return a.screens.isEmpty() ? Area() : a.screens.first();
    }
    QScreen *screen = AppHelper::currentScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return areaOf(screen);
}

void PointerScreen::setArrangement(std::optional<Arrangement> value)
{
    arrangement() = std::move(value);
}

void PointerScreen::setPointer(QPoint pointer)
{
    if (arrangement())
        arrangement()->pointer = pointer;
}
