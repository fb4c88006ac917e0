#pragma once

#include "platform/IKeySender.h"

// Sends key events through the XTEST extension on a Display of its own. Key codes are looked
// up in the keyboard layout group now in use, so the right key is pressed on any layout.
class X11KeySender : public IKeySender
{
public:
    X11KeySender() = default;
    ~X11KeySender() override;
    X11KeySender(const X11KeySender &) = delete;
    X11KeySender &operator=(const X11KeySender &) = delete;

    // 0 (and logged once) when there is no display or no XTEST.
    int send(const QVector<KeyRecord> &records) override;

private:
    bool open();
    int keycodeOf(int virtualKey, int group);

    void *m_display = nullptr; // Display*
    bool m_failed = false;
};
