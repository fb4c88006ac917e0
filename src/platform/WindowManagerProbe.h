#pragma once

// Whether a window manager runs on the display: without one a minimised window is simply
// unmapped, with no task bar to bring it back from.
namespace WindowManagerProbe {
// True when some client redirects the root window's map requests, as every window manager
// does; false off X11.
bool isRunning();
} // namespace WindowManagerProbe
