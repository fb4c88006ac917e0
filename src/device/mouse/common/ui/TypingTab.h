#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"

class BaseSetting;
class ZComboBox;

namespace Ui {
class TypingTab;
}

// The mouse's voice typing page (" 语音打字"): recognition language, output mode, smart
// punctuation and the target language of translation typing, each bound to the device's
// settings record. The translation's source language follows the recognition language.
class TypingTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    explicit TypingTab(QWidget *parent = nullptr);
    ~TypingTab() override;

    // The combo of the "我的母语" form row (the first of the two recognition combos).
    ZComboBox *nativeLanguageRowCombo() const { return m_nativeRowCombo; }

    // The two-paragraph text of a form row: a title line and a grey description line.
    static QString rowText(const QString &title, const QString &description);

public slots:
    // Either recognition combo chose another language.
    void cbAsr_currentIndexChanged(int index);

protected:
    void onContextChanged() override;

private:
    BaseSetting *setting() const;

    Ui::TypingTab *ui;
    ZComboBox *m_nativeRowCombo = nullptr;
};
