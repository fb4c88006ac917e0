#include "config/BaseSetting.h"

VB_FIELDS(BaseSetting, nullptr,
          VB_FIELD(BaseSetting, serialNumber),
          VB_FIELD(BaseSetting, search_engine),
          VB_FIELD(BaseSetting, getword_tranFromLanguage),
          VB_FIELD(BaseSetting, getword_tranToLanguage),
          VB_FIELD(BaseSetting, snapshot_ocrLanguage),
          VB_FIELD(BaseSetting, snapshot_tranToLanguage),
          VB_FIELD(BaseSetting, snapshot_shortcut),
          VB_FIELD(BaseSetting, translation_fontSize),
          VB_FIELD(BaseSetting, asr_languageAndAccent),
          VB_FIELD(BaseSetting, translation_fromLanguage),
          VB_FIELD(BaseSetting, translation_toLanguage),
          VB_FIELD(BaseSetting, mKey_functions),
          VB_FIELD(BaseSetting, mKey_functionIndex),
          VB_FIELD(BaseSetting, mKey_function))
