#include "platform/X11KeySymTable.h"

#include <QHash>
#include <X11/XF86keysym.h>
#include <X11/keysym.h>

namespace {

struct Entry
{
    unsigned long keysym;
    int virtualKey;
};

// Several symbols may give one code; within one code the first listed is the one sent.
const Entry kEntries[] = {
    {XK_BackSpace, 0x08}, {XK_Tab, 0x09}, {XK_ISO_Left_Tab, 0x09}, {XK_Clear, 0x0C},
    {XK_KP_Begin, 0x0C}, {XK_Return, 0x0D}, {XK_KP_Enter, 0x0D},
    // The generic modifier codes are sent as the left-hand keys.
    {XK_Shift_L, 0x10}, {XK_Control_L, 0x11}, {XK_Alt_L, 0x12},
    {XK_Pause, 0x13}, {XK_Caps_Lock, 0x14}, {XK_Escape, 0x1B}, {XK_space, 0x20},
    {XK_Prior, 0x21}, {XK_KP_Prior, 0x21}, {XK_Next, 0x22}, {XK_KP_Next, 0x22},
    {XK_End, 0x23}, {XK_KP_End, 0x23}, {XK_Home, 0x24}, {XK_KP_Home, 0x24},
    {XK_Left, 0x25}, {XK_KP_Left, 0x25}, {XK_Up, 0x26}, {XK_KP_Up, 0x26},
    {XK_Right, 0x27}, {XK_KP_Right, 0x27}, {XK_Down, 0x28}, {XK_KP_Down, 0x28},
    {XK_Select, 0x29}, {XK_Execute, 0x2B}, {XK_Print, 0x2C}, {XK_Insert, 0x2D},
    {XK_KP_Insert, 0x2D}, {XK_Delete, 0x2E}, {XK_KP_Delete, 0x2E}, {XK_Help, 0x2F},
    {XK_Super_L, 0x5B}, {XK_Super_R, 0x5C}, {XK_Menu, 0x5D}, {XF86XK_Sleep, 0x5F},
    {XK_KP_Multiply, 0x6A}, {XK_KP_Add, 0x6B}, {XK_KP_Separator, 0x6C},
    {XK_KP_Subtract, 0x6D}, {XK_KP_Decimal, 0x6E}, {XK_KP_Divide, 0x6F},
    {XK_Num_Lock, 0x90}, {XK_Scroll_Lock, 0x91},
    {XK_Shift_L, 0xA0}, {XK_Shift_R, 0xA1}, {XK_Control_L, 0xA2}, {XK_Control_R, 0xA3},
    {XK_Alt_L, 0xA4}, {XK_Meta_L, 0xA4}, {XK_Alt_R, 0xA5}, {XK_Meta_R, 0xA5},
    {XK_ISO_Level3_Shift, 0xA5},
    {XF86XK_Back, 0xA6}, {XF86XK_Forward, 0xA7}, {XF86XK_Refresh, 0xA8}, {XF86XK_Stop, 0xA9},
    {XF86XK_Search, 0xAA}, {XF86XK_Favorites, 0xAB}, {XF86XK_HomePage, 0xAC},
    {XF86XK_AudioMute, 0xAD}, {XF86XK_AudioLowerVolume, 0xAE}, {XF86XK_AudioRaiseVolume, 0xAF},
    {XF86XK_AudioNext, 0xB0}, {XF86XK_AudioPrev, 0xB1}, {XF86XK_AudioStop, 0xB2},
    {XF86XK_AudioPlay, 0xB3}, {XF86XK_Mail, 0xB4}, {XF86XK_AudioMedia, 0xB5},
    {XK_semicolon, 0xBA}, {XK_colon, 0xBA}, {XK_equal, 0xBB}, {XK_plus, 0xBB},
    {XK_comma, 0xBC}, {XK_minus, 0xBD}, {XK_underscore, 0xBD}, {XK_period, 0xBE},
    {XK_slash, 0xBF}, {XK_question, 0xBF}, {XK_grave, 0xC0}, {XK_asciitilde, 0xC0},
    {XK_bracketleft, 0xDB}, {XK_braceleft, 0xDB}, {XK_backslash, 0xDC}, {XK_bar, 0xDC},
    {XK_bracketright, 0xDD}, {XK_braceright, 0xDD}, {XK_apostrophe, 0xDE},
    {XK_quotedbl, 0xDE}, {XK_less, 0xE2}, {XK_greater, 0xE2},
};

struct Tables
{
    QHash<unsigned long, int> toVirtual;
    QHash<int, QVector<unsigned long>> toKeysyms;

    void add(unsigned long keysym, int vk)
    {
        // A symbol keeps its first code: Shift_L is VK_LSHIFT when it is heard, while
        // VK_SHIFT and VK_LSHIFT both send Shift_L.
        if (!toVirtual.contains(keysym) || isGenericModifier(toVirtual.value(keysym)))
            toVirtual.insert(keysym, vk);
        toKeysyms[vk].append(keysym);
    }
    static bool isGenericModifier(int vk) { return vk >= 0x10 && vk <= 0x12; }
};

Tables buildTables()
{
    Tables t;
    for (const Entry &e : kEntries)
        t.add(e.keysym, e.virtualKey);
    for (int i = 0; i <= 9; ++i) {
        t.add(XK_0 + i, 0x30 + i);
        t.add(XK_KP_0 + i, 0x60 + i);
    }
    for (int i = 0; i < 26; ++i) {
        t.add(XK_a + i, 0x41 + i);
        t.add(XK_A + i, 0x41 + i);
    }
    for (int i = 0; i < 24; ++i)
        t.add(XK_F1 + i, 0x70 + i);
    return t;
}

const Tables &tables()
{
    static const Tables t = buildTables();
    return t;
}

} // namespace

int X11KeySymTable::virtualKeyOf(unsigned long keysym)
{
    return tables().toVirtual.value(keysym, 0);
}

QVector<unsigned long> X11KeySymTable::keysymsOf(int virtualKey)
{
    return tables().toKeysyms.value(virtualKey);
}
