#pragma once

#include <QObject>

class FunctionImpl;
class TypingMicDialog;

// The microphone tips of one device's speech functions: one for voice and translation typing,
// one for voice search. A child of the device's hub, it follows the speech nodes' signals and
// deletes the tips with the hub.
class SpeechTips : public QObject
{
    Q_OBJECT
public:
    explicit SpeechTips(FunctionImpl *hub);
    ~SpeechTips() override;

    TypingMicDialog *typingTip() const { return m_typingTip; }
    TypingMicDialog *searchTip() const { return m_searchTip; }

private:
    TypingMicDialog *m_typingTip;
    TypingMicDialog *m_searchTip;
};
