#pragma once

class BaseSetting;
class ZComboBox;

// The typing pages' rule for the speech language: the two combos that show it stay in step,
// and the translation source follows it when the translation service knows that language
// (otherwise a warning says the translation will not work).
namespace SpeechLanguageRule {
// changed: the combo the user set to index; other: the combo that shows the same field.
void apply(ZComboBox *changed, ZComboBox *other, BaseSetting *record, int index);
} // namespace SpeechLanguageRule
