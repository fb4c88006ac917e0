#include "form/SpeechTips.h"

#include "form/dialog/TypingMicDialog.h"
#include "logic/businessLogic/FunctionImpl.h"
#include "logic/businessLogic/workflow/typing/TypeImp.h"
#include "logic/businessLogic/workflow/voicesearch/SearchImp.h"

SpeechTips::SpeechTips(FunctionImpl *hub)
    : QObject(hub)
    , m_typingTip(new TypingMicDialog(7, true))
    , m_searchTip(new TypingMicDialog(16, true))
{
    TypeImp *typing = hub->typeImp();
    TypingMicDialog *tip = m_typingTip;
    connect(typing, &TypeImp::tipMode, tip, &TypingMicDialog::setMode);
    connect(typing, &TypeImp::setText, tip, &TypingMicDialog::setText);
    connect(typing, &TypeImp::setMessage, tip, &TypingMicDialog::setMessage);
    connect(typing, &TypeImp::setVolume, tip, &TypingMicDialog::setVolume);
    connect(typing, &TypeImp::showTip, tip, &TypingMicDialog::showTip);
    connect(typing, &TypeImp::hideTip, tip, &TypingMicDialog::hideTip);

    SearchImp *search = hub->searchImp();
    TypingMicDialog *searchTip = m_searchTip;
    connect(search, &SearchImp::setText, searchTip, &TypingMicDialog::setText);
    connect(search, &SearchImp::setMessage, searchTip, &TypingMicDialog::setMessage);
    connect(search, &SearchImp::setVolume, searchTip, &TypingMicDialog::setVolume);
    connect(search, &SearchImp::showTip, searchTip, &TypingMicDialog::showTip);
    connect(search, &SearchImp::hideTip, searchTip, &TypingMicDialog::hideTip);
}

SpeechTips::~SpeechTips()
{
    // The tips have no parent: they go with the hub.
    delete m_searchTip;
    delete m_typingTip;
}
