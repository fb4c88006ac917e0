#include "device/mouse/common/ui/SpeechLanguageRule.h"

#include "config/BaseSetting.h"
#include "config/language/Languages.h"
#include "databinding/ZComboBox.h"
#include "qui/Toast.h"
#include "util/TrContexts.h"

namespace SpeechLanguageRule {

void apply(ZComboBox *changed, ZComboBox *other, BaseSetting *record, int index)
{
    other->bindData();
    if (!record || index < 0)
        return;
    const QString code = changed->itemData(index).toString();
    const Languages::LangugeSection *target =
        Languages::instance().switchLanguage(Languages::SpeechRecognition, code, Languages::SpeechTranslation);
    if (target) {
        record->setValue(QStringLiteral("translation_fromLanguage"), target->fullCode());
        return;
    }
    Toast::instance().showMessage(1, TNotify::tr("翻译语言不支持%1,设置会导致翻译无法生效!").arg(changed->itemText(index)),
                                  2000);
}

} // namespace SpeechLanguageRule
