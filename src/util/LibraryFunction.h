#pragma once

#include <QLibrary>

// Libraries loaded at their first use are called through pointers looked up by name.
namespace LibraryFunction {

// Sets the pointer to the library's function of that name, or to null when the library is not
// loaded or lacks it; true when found.
template <typename Function>
bool resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace LibraryFunction
