#pragma once

#include "platform/IKeySender.h"

#include <QObject>
#include <QQueue>
#include <QTimer>

// Types recognised text into the focused application: Backspace presses erase the text
// typed before, the clipboard takes the new text and Ctrl+V pastes it.
//
// Every request becomes a few steps in one queue, so results go out strictly in the order
// they arrived. The short pauses that let the target application catch up are single-shot
// timers rather than sleeps: the event loop keeps serving the clipboard meanwhile, which is
// what lets another X11 client paste from us at all.
//
// After a paste the clipboard keeps its text until the target has fetched it (or a time limit
// has passed): the target asks for it after reading Ctrl+V, and a newer text set before that
// would be pasted in its place.
class TypingOutput : public QObject
{
    Q_OBJECT
public:
    // Pause after the clipboard is set and after the paste.
    static constexpr int PauseMs = 15;
    // The longest wait for the target to fetch a pasted text; a window that takes no paste
    // never asks.
    static constexpr int FetchWaitMs = 400;

    explicit TypingOutput(QObject *parent = nullptr);

    // Replaces the previously typed oldText by newText; nothing when they are equal.
    void type(const QString &newText, const QString &oldText);
    void setClipboard(const QString &text);
    void deleteWord();
    void paste();

    bool isBusy() const { return !m_steps.isEmpty() || m_pause.isActive(); }
    // A paste went out whose text the target has not fetched yet.
    bool isAwaitingFetch() const { return m_fetchLimit.isActive(); }
    // Backspaces that erase text: one per character as the user sees it (code point), so a
    // character outside the Basic Multilingual Plane costs one press, not two.
    static int eraseCount(const QString &text);

signals:
    // Every queued step has run.
    void finished();

private:
    struct Step {
        enum Kind { Keys, Paste, Clipboard, Pause } kind;
        QVector<KeyRecord> keys;
        QString text;
    };

    void enqueue(const QVector<Step> &steps);
    void run();
    void sendKeys(const QVector<KeyRecord> &records);
    void writeClipboard(const QString &text);
    void onFetched();
    // Connects to the clipboard's fetch watcher the first time; true while it watches.
    bool watchFetches();

    QQueue<Step> m_steps;
    QTimer m_pause;
    QTimer m_fetchLimit;
    bool m_fetchesWatched = false;
};
