#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// Another program with a focused line edit, for tests that type into a program that is not
// Vellobox: the test executable runs itself with "--line-edit" and calls this from main.
// Prints "ready" once focused; on standard input "text" prints the field's text
// (percent-encoded), "set <encoded>" replaces it (cursor at the end) and prints "ok",
// "slow <ms>" makes it take that long before it acts on a Ctrl+V and prints "ok".
int runLineEditTarget(int argc, char **argv);

// The test's side of that program.
class LineEditTarget
{
public:
    // Runs this executable as the other program and waits until its field has the focus.
    void start();
    // Closes its input and waits for it to end.
    void stop();
    // Its reply line to a command; the event loop keeps running meanwhile, so that it can
    // paste from our clipboard.
    QByteArray ask(const QByteArray &command);
    QString text() { return QString::fromUtf8(QByteArray::fromPercentEncoding(ask("text"))); }

private:
    QProcess m_process;
};
