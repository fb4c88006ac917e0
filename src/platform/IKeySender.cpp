#include "platform/IKeySender.h"

#include "platform/X11KeySender.h"

namespace {
IKeySender *s_override = nullptr;
} // namespace

IKeySender *IKeySender::instance()
{
    if (s_override)
        return s_override;
    static X11KeySender sender;
    return &sender;
}

void IKeySender::setInstance(IKeySender *sender)
{
    s_override = sender;
}

QVector<KeyRecord> IKeySender::taps(int virtualKey, int count)
{
    QVector<KeyRecord> records;
    records.reserve(2 * count);
    for (int i = 0; i < count; ++i) {
        records.append({virtualKey, false});
        records.append({virtualKey, true});
    }
    return records;
}

QVector<KeyRecord> IKeySender::chord(int modifierKey, int virtualKey)
{
    return {{modifierKey, false}, {virtualKey, false}, {virtualKey, true}, {modifierKey, true}};
}
