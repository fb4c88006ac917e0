#include "logic/businessLogic/workflow/device/AudioDeviceFactory.h"

#include "device/DeviceContext.h"
#include "logic/businessLogic/workflow/device/MicrophoneVolumeTest.h"
#include "logic/businessLogic/workflow/device/PcAudioDevice.h"

namespace {
AudioDeviceFactory::Override &overrideFn()
{
    static AudioDeviceFactory::Override fn;
    return fn;
}
} // namespace

void AudioDeviceFactory::setOverride(Override fn)
{
    overrideFn() = std::move(fn);
}

AudioDeviceFactory::Source AudioDeviceFactory::create(DeviceContext *context)
{
    if (overrideFn()) {
        if (IAudioDevice *device = overrideFn()(context))
            return {device, false};
    }
    if (context && context->audio)
        return {context->audio, false};
    return {new PcAudioDevice, true};
}

AudioDeviceFactory::Source AudioDeviceFactory::createInput(DeviceContext *context, const QString &inputName)
{
    if (overrideFn()) {
        if (IAudioDevice *device = overrideFn()(context))
            return {device, false};
    }
    return {new MicrophoneVolumeTest(inputName), true};
}
