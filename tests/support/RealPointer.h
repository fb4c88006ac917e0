#pragma once

#include <QPoint>

// The X server's own pointer, moved and clicked through XTest as a person's mouse is: the click
// goes to whichever window the server finds at that point, not to a widget the test names.
namespace RealPointer {
// Moves the pointer to the global position and clicks the left button there; false without an
// X display or XTEST.
bool click(const QPoint &globalPosition);
} // namespace RealPointer
