#include "platform/ICaretLocator.h"

#include "platform/AtspiCaretLocator.h"

namespace {
ICaretLocator *s_override = nullptr;
} // namespace

ICaretLocator *ICaretLocator::instance()
{
    if (s_override)
        return s_override;
    static AtspiCaretLocator locator;
    return &locator;
}

void ICaretLocator::setInstance(ICaretLocator *locator)
{
    s_override = locator;
}
