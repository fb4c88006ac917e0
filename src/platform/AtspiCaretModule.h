#pragma once

// The entry points of the accessibility module (libvb_atspi.so), called on the caret
// locator's worker thread, in this order.
extern "C" {
// Connects this thread to the accessibility bus with a main context of its own; a handle for
// vbAtspiEnd, or null when the bus cannot be reached.
using VbAtspiBegin = void *(*)(int timeLimitMs);
// The caret of the focused text of another application, in screen coordinates.
using VbAtspiCaret = bool (*)(int limitMs, int *x, int *y);
using VbAtspiEnd = void (*)(void *handle);
}
