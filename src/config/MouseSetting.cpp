#include "config/MouseSetting.h"

VB_FIELDS(MouseSetting, &BaseSetting::staticFieldTable(),
          VB_FIELD(MouseSetting, mKey_url),
          VB_FIELD(MouseSetting, mKey_shortcut_modifiers),
          VB_FIELD(MouseSetting, mKey_shortcut_key),
          VB_FIELD(MouseSetting, mKey_shortcut_Str),
          VB_FIELD(MouseSetting, asr_typingOutputMode),
          VB_FIELD(MouseSetting, asr_enablePtt))
