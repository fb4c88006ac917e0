#pragma once

#include <QPoint>
#include <optional>

// Where the text caret of the focused application is, so a tip can follow it. Only a hint:
// nothing means "no caret known", and the caller then leaves its window where it is.
class ICaretLocator
{
public:
    virtual ~ICaretLocator() = default;

    // The right-bottom corner of the caret in screen coordinates; nothing when there is no
    // focused text, it is a password field, or the answer did not come in time.
    virtual std::optional<QPoint> caretPosition() = 0;

    // The process-wide locator: the AT-SPI one unless a test put another in place.
    static ICaretLocator *instance();
    // Replaces the process-wide locator (not owned); nullptr restores the AT-SPI one.
    static void setInstance(ICaretLocator *locator);
};
