#pragma once

#include "util/UserPrompt.h"

#include <QStringList>

// Answers every message box of the code under test and remembers its text.
class PromptRecorder
{
public:
    explicit PromptRecorder(int answer = 16384);
    ~PromptRecorder();

    void setAnswer(int answer) { m_answer = answer; }
    QStringList texts;

private:
    int m_answer;
};
