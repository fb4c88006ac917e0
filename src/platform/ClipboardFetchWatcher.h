#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

// Sees another program fetch the text of the clipboard this program owns. On X11 a paste is
// served on request, some time after the key events that asked for it: whoever replaces the
// clipboard before that request would have the target paste the new text instead.
class ClipboardFetchWatcher : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // The one watcher, installed on the application on first use.
    static ClipboardFetchWatcher *instance();

    // False where fetches cannot be seen (not X11); callers then only wait their time limit.
    bool isWatching() const { return m_watching; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

signals:
    // A program asked for the clipboard's contents (not just for its formats). Emitted after
    // the request has been answered.
    void textFetched();

private:
    ClipboardFetchWatcher();

    bool m_watching = false;
    unsigned long m_clipboard = 0;
    unsigned long m_metaTargets[4] = {};
};
