#pragma once

#include "databinding/FormContainer.h"
#include "databinding/NotifyHandlerGuard.h"
#include "device/IContextBinder.h"

class BaseSetting;
class FormItem;

namespace Ui {
class MouseTextTranslationTab;
}

// The mouse's text translation page (" 文本翻译"): a switch that starts or stops word-pick
// translation at once, the word-pick target language, the OCR and target languages of
// screenshot translation and its global key combination, all in the device's settings record.
class MouseTextTranslationTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    explicit MouseTextTranslationTab(QWidget *parent = nullptr);
    ~MouseTextTranslationTab() override;

    // The key combination reaches the record this long after it was typed.
    static constexpr int ShortcutWriteDelayMs = 1000;

    FormItem *getwordSwitchRow() const { return m_switchRow; }

protected:
    void onContextChanged() override;

private:
    BaseSetting *setting() const;
    void onGetwordSwitchChanged(bool checked);
    void onShortcutEdited(const QString &keyName);
    void onSettingChanged(const QString &field, const QVariant &oldValue, const QVariant &newValue);

    Ui::MouseTextTranslationTab *ui;
    FormItem *m_switchRow;
    NotifyHandlerGuard m_settingHandler;
};
