#pragma once

#include "config/BaseSetting.h"

// The settings record of a voice mouse: M key, shortcut, web page and typing options.
class MouseSetting : public BaseSetting
{
    VB_RECORD(MouseSetting)
public:
    int deviceKind() const override { return MouseKind; }

    QString mKey_url;
    int mKey_shortcut_modifiers = 0;
    int mKey_shortcut_key = 0;
    QString mKey_shortcut_Str;
    int asr_typingOutputMode = 1;
    bool asr_enablePtt = true;
};
