#include "platform/VirtualKeyToQtKey.h"

#include <QHash>
#include <Qt>

namespace {

QHash<int, int> buildTable()
{
    QHash<int, int> t{
        {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},        {0x0C, Qt::Key_Clear},
        {0x0D, Qt::Key_Return},    {0x10, Qt::Key_Shift},      {0x11, Qt::Key_Control},
        {0x12, Qt::Key_Alt},       {0x13, Qt::Key_Pause},      {0x14, Qt::Key_CapsLock},
        {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},      {0x21, Qt::Key_PageUp},
        {0x22, Qt::Key_PageDown},  {0x23, Qt::Key_End},        {0x24, Qt::Key_Home},
        {0x25, Qt::Key_Left},      {0x26, Qt::Key_Up},         {0x27, Qt::Key_Right},
        {0x28, Qt::Key_Down},      {0x29, Qt::Key_Select},     {0x2A, Qt::Key_Printer},
        {0x2B, Qt::Key_Execute},   {0x2C, Qt::Key_Print},      {0x2D, Qt::Key_Insert},
        {0x2E, Qt::Key_Delete},    {0x2F, Qt::Key_Help},       {0x5B, Qt::Key_Meta},
        {0x5C, Qt::Key_Meta},      {0x5D, Qt::Key_Menu},       {0x5F, Qt::Key_Sleep},
        {0x6A, Qt::Key_Asterisk},  {0x6B, Qt::Key_Plus},       {0x6C, Qt::Key_Comma},
        {0x6D, Qt::Key_Minus},     {0x6E, Qt::Key_Period},     {0x6F, Qt::Key_Slash},
        {0x90, Qt::Key_NumLock},   {0x91, Qt::Key_ScrollLock}, {0xA0, Qt::Key_Shift},
        {0xA1, Qt::Key_Shift},     {0xA2, Qt::Key_Control},    {0xA3, Qt::Key_Control},
        {0xA4, Qt::Key_Alt},       {0xA5, Qt::Key_Alt},        {0xA6, Qt::Key_Back},
        {0xA7, Qt::Key_Forward},   {0xA8, Qt::Key_Refresh},    {0xA9, Qt::Key_Stop},
        {0xAA, Qt::Key_Search},    {0xAB, Qt::Key_Favorites},  {0xAC, Qt::Key_HomePage},
        {0xAD, Qt::Key_VolumeMute}, {0xAE, Qt::Key_VolumeDown}, {0xAF, Qt::Key_VolumeUp},
        {0xB0, Qt::Key_MediaNext}, {0xB1, Qt::Key_MediaPrevious}, {0xB2, Qt::Key_MediaStop},
        {0xB3, Qt::Key_MediaTogglePlayPause}, {0xB4, Qt::Key_LaunchMail},
        {0xB5, Qt::Key_LaunchMedia}, {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal},
        {0xBC, Qt::Key_Comma},     {0xBD, Qt::Key_Minus},      {0xBE, Qt::Key_Period},
        {0xBF, Qt::Key_Slash},     {0xC0, Qt::Key_QuoteLeft},  {0xDB, Qt::Key_BracketLeft},
        {0xDC, Qt::Key_Backslash}, {0xDD, Qt::Key_BracketRight}, {0xDE, Qt::Key_Apostrophe},
        {0xE2, Qt::Key_Less},
    };
    for (int i = 0; i <= 9; ++i) {
        t.insert(0x30 + i, Qt::Key_0 + i);
        t.insert(0x60 + i, Qt::Key_0 + i); // the number pad gives the same keys
    }
    for (int i = 0; i < 26; ++i)
        t.insert(0x41 + i, Qt::Key_A + i);
    for (int i = 0; i < 24; ++i)
        t.insert(0x70 + i, Qt::Key_F1 + i);
    return t;
}

// The number pad's digits and operators.
bool isNumberPadCode(int vk)
{
    return vk >= 0x60 && vk <= 0x6F;
}

} // namespace

int virtualKeyToQtKey(int virtualKey)
{
    static const QHash<int, int> table = buildTable();
    return table.value(virtualKey, 0);
}

int qtKeyToVirtualKey(int qtKey, bool numberPad)
{
    // The reverse of the table, built once. The main keyboard's code of a key wins: "/", "-",
    // ".", "," and the digits are on both, and a shortcut recorded on the main keyboard must not
    // reach the target program as the number pad's key.
    static const QHash<int, int> table = [] {
        QHash<int, int> t;
        for (int vk = 1; vk < 256; ++vk) {
            const int key = virtualKeyToQtKey(vk);
            if (key != 0 && !isNumberPadCode(vk) && !t.contains(key))
                t.insert(key, vk);
        }
        // Keys only the number pad has ("*", "+" are Shift+8 and Shift+= elsewhere).
        for (int vk = 0x60; vk <= 0x6F; ++vk) {
            const int key = virtualKeyToQtKey(vk);
            if (key != 0 && !t.contains(key))
                t.insert(key, vk);
        }
        t.insert(Qt::Key_Enter, 0x0D);
        return t;
    }();
    static const QHash<int, int> pad = [] {
        QHash<int, int> t;
        for (int vk = 0x60; vk <= 0x6F; ++vk) {
            const int key = virtualKeyToQtKey(vk);
            if (key != 0)
                t.insert(key, vk);
        }
        return t;
    }();
    if (numberPad && pad.contains(qtKey))
        return pad.value(qtKey);
    return table.value(qtKey, 0);
}

int unshiftedQtKey(int qtKey)
{
    static const QHash<int, int> table{
        {Qt::Key_Exclam, Qt::Key_1},        {Qt::Key_At, Qt::Key_2},
        {Qt::Key_NumberSign, Qt::Key_3},    {Qt::Key_Dollar, Qt::Key_4},
        {Qt::Key_Percent, Qt::Key_5},       {Qt::Key_AsciiCircum, Qt::Key_6},
        {Qt::Key_Ampersand, Qt::Key_7},     {Qt::Key_Asterisk, Qt::Key_8},
        {Qt::Key_ParenLeft, Qt::Key_9},     {Qt::Key_ParenRight, Qt::Key_0},
        {Qt::Key_Underscore, Qt::Key_Minus}, {Qt::Key_Plus, Qt::Key_Equal},
        {Qt::Key_BraceLeft, Qt::Key_BracketLeft}, {Qt::Key_BraceRight, Qt::Key_BracketRight},
        {Qt::Key_Bar, Qt::Key_Backslash},   {Qt::Key_Colon, Qt::Key_Semicolon},
        {Qt::Key_QuoteDbl, Qt::Key_Apostrophe}, {Qt::Key_AsciiTilde, Qt::Key_QuoteLeft},
        {Qt::Key_Less, Qt::Key_Comma},      {Qt::Key_Greater, Qt::Key_Period},
        {Qt::Key_Question, Qt::Key_Slash},
    };
    return table.value(qtKey, qtKey);
}
