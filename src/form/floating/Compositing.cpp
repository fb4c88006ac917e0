#include "form/floating/Compositing.h"

#include <QX11Info>

namespace {
std::optional<bool> &overrideValue()
{
    static std::optional<bool> value;
    return value;
}
} // namespace

bool Compositing::isActive()
{
    if (overrideValue())
        return *overrideValue();
    return QX11Info::isPlatformX11() && QX11Info::isCompositingManagerRunning();
}

void Compositing::setOverride(std::optional<bool> active)
{
    overrideValue() = active;
}
