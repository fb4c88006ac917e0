#pragma once

#include <QString>
#include <functional>

// Modal warnings and questions of code that has no window of its own. Tests install a
// handler that records the text and gives the answer, so no box ever blocks a test run.
class UserPrompt
{
public:
    enum Kind { Warning, Question };
    // Answers: QMessageBox::Yes (16384) or QMessageBox::No (65536) for questions.
    using Handler = std::function<int(Kind kind, const QString &text)>;

    static void warning(const QString &text);
    static int question(const QString &text);
    // An empty handler restores the real message boxes.
    static void setHandler(Handler handler);
    static bool hasHandler();
    static int ask(Kind kind, const QString &text);
};
