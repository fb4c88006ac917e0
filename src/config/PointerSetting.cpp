#include "config/PointerSetting.h"

#include <QRegularExpression>

PointerSetting::PointerSetting()
{
    mKey_functions = QStringLiteral("3,2,0,1");
}

QSize PointerSetting::magnifierSize() const
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,6})\\s*[*,]\\s*(\\d{1,6})\\s*$"));
    const QRegularExpressionMatch m = re.match(mKey_magnifierSize);
    if (!m.hasMatch())
        return QSize(0, 0);
    return QSize(m.captured(1).toInt(), m.captured(2).toInt());
}

VB_FIELDS(PointerSetting, &BaseSetting::staticFieldTable(),
          VB_FIELD(PointerSetting, deviceName),
          VB_FIELD(PointerSetting, subtitle_identifyLanguage),
          VB_FIELD(PointerSetting, subtitle_transLanguage),
          VB_FIELD(PointerSetting, subtitle_ui_disable),
          VB_FIELD(PointerSetting, subtitle_ui_identify_disable),
          VB_FIELD(PointerSetting, subtitle_ui_fontSize),
          VB_FIELD(PointerSetting, subtitle_ui_identify_fontColor),
          VB_FIELD(PointerSetting, subtitle_ui_translate_fontColor),
          VB_FIELD(PointerSetting, subtitle_ui_bakColor),
          VB_FIELD(PointerSetting, asr_identifyLanguage),
          VB_FIELD(PointerSetting, mKey_cursorColor),
          VB_FIELD(PointerSetting, mKey_cursorRadius),
          VB_FIELD(PointerSetting, mKey_spotLightRadius),
          VB_FIELD(PointerSetting, mKey_magnifierSize),
          VB_FIELD(PointerSetting, mKey_magnifierRatio))
