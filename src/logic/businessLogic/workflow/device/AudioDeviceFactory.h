#pragma once

#include <functional>

class DeviceContext;
class IAudioDevice;
class QString;

// Where a speech run takes its audio: the device's own source when it has one, else the PC
// microphone. Tests (and replays) install a source of their own.
class AudioDeviceFactory
{
public:
    struct Source {
        IAudioDevice *device = nullptr;
        bool owned = false; // the caller deletes it
    };
    static Source create(DeviceContext *context);
    // The source of a microphone test on one PC input by name (empty: the default one);
    // an installed override is asked first, as for a speech run.
    static Source createInput(DeviceContext *context, const QString &inputName);

    // Returns the source to use, or null for the normal choice; an empty function restores it.
    using Override = std::function<IAudioDevice *(DeviceContext *context)>;
    static void setOverride(Override fn);
};
