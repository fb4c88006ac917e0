#pragma once

#include "databinding/FormContainer.h"
#include "device/IContextBinder.h"

namespace Ui {
class VoiceTab;
}

// The presenter's recording page (" 智能录音"): the recognition language of recordings, bound to
// the presenter's settings record, and a hint on how the record key works.
class VoiceTab : public FormContainer, public IContextBinder
{
    Q_OBJECT
public:
    explicit VoiceTab(QWidget *parent = nullptr);
    ~VoiceTab() override;

protected:
    void onContextChanged() override;

private:
    Ui::VoiceTab *ui;
};
