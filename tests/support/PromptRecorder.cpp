#include "support/PromptRecorder.h"

PromptRecorder::PromptRecorder(int answer)
    : m_answer(answer)
{
    UserPrompt::setHandler([this](UserPrompt::Kind, const QString &text) {
        texts << text;
        return m_answer;
    });
}

PromptRecorder::~PromptRecorder()
{
    UserPrompt::setHandler({});
}
