#pragma once

#include "config/BaseSetting.h"

#include <QSize>

// The settings record of a presenter: subtitles, cursor, spotlight and magnifier.
class PointerSetting : public BaseSetting
{
    VB_RECORD(PointerSetting)
public:
    PointerSetting();
    int deviceKind() const override { return PresenterKind; }

    // "mKey_magnifierSize" as W*H or W,H; 0x0 when malformed.
    QSize magnifierSize() const;

    QString deviceName = QStringLiteral("pointer");
    QString subtitle_identifyLanguage = QStringLiteral("zh");
    QString subtitle_transLanguage = QStringLiteral("en");
    bool subtitle_ui_disable = false;
    bool subtitle_ui_identify_disable = false;
    int subtitle_ui_fontSize = 24;
    QString subtitle_ui_identify_fontColor = QStringLiteral("#00ff00");
    QString subtitle_ui_translate_fontColor = QStringLiteral("#ffffff");
    QString subtitle_ui_bakColor = QStringLiteral("#000000");
    // Recognition language of recordings ("zh" or "en").
    QString asr_identifyLanguage = QStringLiteral("zh");
    QString mKey_cursorColor = QStringLiteral("#FF0000");
    int mKey_cursorRadius = 25;
    int mKey_spotLightRadius = 150;
    QString mKey_magnifierSize = QStringLiteral("600*400");
    double mKey_magnifierRatio = 2.0;
};
