#pragma once

#include "orm/data/NotifyData.h"

// The settings record of one device, stored as config/setting/<device key>.json.
// Change values only through setValue/setValueFromString: that is what reaches the file.
class BaseSetting : public NotifyData
{
    VB_RECORD(BaseSetting)
public:
    enum DeviceKind { PresenterKind = 0, MouseKind = 1, BaseKind = 2 };
    virtual int deviceKind() const { return BaseKind; }

    QString serialNumber;
    QString search_engine = QStringLiteral("https://www.baidu.com/s?wd=");
    QString getword_tranFromLanguage = QStringLiteral("auto");
    QString getword_tranToLanguage = QStringLiteral("en");
    QString snapshot_ocrLanguage = QStringLiteral("auto");
    QString snapshot_tranToLanguage = QStringLiteral("en");
    QString snapshot_shortcut = QStringLiteral("Ctrl+Q");
    int translation_fontSize = 9;
    QString asr_languageAndAccent = QStringLiteral("zh_cn");
    QString translation_fromLanguage = QStringLiteral("cn");
    QString translation_toLanguage = QStringLiteral("en");
    // M-key functions: a comma list of function ids, the position in it, and the one chosen
    // function (-1 when the list decides).
    QString mKey_functions;
    int mKey_functionIndex = 0;
    int mKey_function = -1;
};
