#include "logic/businessLogic/workflow/device/AudioModule.h"

#include "logging/QsLog.h"
#include "util/ModulePath.h"
#include "util/TrContexts.h"

#include <QLibrary>

namespace {
const char *const kModule = "libvb_audio.so";

AudioModule *g_installed = nullptr;

AudioModule *loadModule()
{
    QLibrary library(AudioModule::modulePath());
    const auto create = reinterpret_cast<VbCreateAudioModule>(library.resolve("vbCreateAudioModule"));
    if (!create) {
        QLOG_ERROR() << "audio module not available:" << library.errorString();
        return nullptr;
    }
    AudioModule *module = create();
    QLOG_INFO() << "audio module loaded from" << library.fileName();
    // Never unloaded: its objects and Qt's plugins it loaded live as long as the process.
    return module;
}
} // namespace

AudioModule *AudioModule::instance()
{
    if (g_installed)
        return g_installed;
    static AudioModule *const loaded = loadModule();
    return loaded;
}

void AudioModule::setInstance(AudioModule *module)
{
    g_installed = module;
}

QString AudioModule::modulePath()
{
    return ModulePath::find(QLatin1String(kModule));
}

QString AudioModule::unavailableMessage()
{
    return TMsg::tr("无法使用声音: 缺少音频组件");
}
