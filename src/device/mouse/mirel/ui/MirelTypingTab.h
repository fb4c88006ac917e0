#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"
#include "device/VelloboxTypes.h"

class BaseSetting;
class ZButtonGroup;
class ZComboBox;

namespace Ui {
class MirelTypingTab;
}

// The branded mouse's language page (" 语言设置"): speech language, smart punctuation, the
// word-pick switch and languages, the voice translation target and the voice key's mode
// (three exclusive check boxes), each bound to the device's settings record. The page
// follows the device: after every action it re-reads the mode.
class MirelTypingTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    explicit MirelTypingTab(QWidget *parent = nullptr);
    ~MirelTypingTab() override;

    // The combo of the "我的母语" form row.
    ZComboBox *nativeLanguageRowCombo() const { return m_nativeRowCombo; }
    ZButtonGroup *modeGroup() const { return m_modeGroup; }

public slots:
    // The device ran an action: it may have stepped the mode.
    void mkeyTab_invokeFunction(VelloboxActionType messageType, VelloboxFunctionFlags flags, const QString &msg);
    // Either speech-language combo chose another language.
    void cbAsr_currentIndexChanged(int index);
    // Starts or stops word-pick translation at once; the switch is not stored.
    void toggleGetWord(bool on);

protected:
    void onContextChanged() override;

private:
    BaseSetting *setting() const;
    void addLanguageCombo(ZComboBox *combo, const QString &field, const QPair<QStringList, QStringList> &items);

    Ui::MirelTypingTab *ui;
    ZComboBox *m_nativeRowCombo = nullptr;
    ZButtonGroup *m_modeGroup = nullptr;
};
