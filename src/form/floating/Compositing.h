#pragma once

#include <optional>

// Whether a compositing manager draws translucent windows. Without one, a translucent
// top-level window shows black where it should be clear, so the floating windows switch to
// window masks and opaque drawing.
class Compositing
{
public:
    static bool isActive();
    // Tests pick either answer; nullopt asks the window system again.
    static void setOverride(std::optional<bool> active);
};
