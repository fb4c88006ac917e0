#pragma once

#include <QVector>

// Translation between X key symbols and Windows virtual-key codes, so that the key listener
// and the key sender speak the codes the rest of the program uses.
namespace X11KeySymTable {

// The virtual-key code of a key symbol (letters in either case); 0 when unknown.
int virtualKeyOf(unsigned long keysym);

// The key symbols that produce a virtual-key code, the preferred (unshifted, left-hand)
// one first; empty when unknown.
QVector<unsigned long> keysymsOf(int virtualKey);

} // namespace X11KeySymTable
