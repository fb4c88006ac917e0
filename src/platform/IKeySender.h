#pragma once

#include <QVector>

// One simulated key event: a Windows virtual-key code pressed or released.
struct KeyRecord
{
    int virtualKey = 0;
    bool release = false;

    bool operator==(const KeyRecord &o) const { return virtualKey == o.virtualKey && release == o.release; }
};

// Sends simulated key events to whatever application has the keyboard focus, a batch in one
// go so that other input does not interleave with it.
class IKeySender
{
public:
    virtual ~IKeySender() = default;

    // Returns how many of the records were sent; fewer than given means some failed.
    virtual int send(const QVector<KeyRecord> &records) = 0;

    // The process-wide sender: the X11 one unless a test put another in place.
    static IKeySender *instance();
    // Replaces the process-wide sender (not owned); nullptr restores the X11 one.
    static void setInstance(IKeySender *sender);

    // Press and release of each key, one after another.
    static QVector<KeyRecord> taps(int virtualKey, int count);
    // The records of a chord such as Ctrl+V: modifier down, key down, key up, modifier up.
    static QVector<KeyRecord> chord(int modifierKey, int virtualKey);
};
