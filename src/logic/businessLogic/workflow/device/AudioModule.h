#pragma once

#include "logic/businessLogic/workflow/device/PcmFormat.h"

#include <QString>
#include <QStringList>
#include <functional>

// Sound input and output live in a module of their own (libvb_audio.so), loaded the first time
// a microphone, a recording or a spoken text needs it: the multimedia library and the sound
// server's client cost the start more than the rest of the program together, and most starts
// never use them.
//
// Only abstract classes, Qt's value types and standard types cross the boundary, so that the
// module needs none of the program's code: every call of the program goes through a vtable of
// the module. Callbacks run on the thread that created the object (the GUI thread); an object
// may be deleted from inside its own callback.

// One sound input.
class AudioCapture
{
public:
    enum StartResult { Started, NoDevice, FormatUnsupported, OpenFailed };
    using Data = std::function<void(const char *data, qint64 len)>;
    // The input stopped by itself (pulled out, taken by the system); detail is for the log.
    using Stopped = std::function<void(const QString &detail)>;

    virtual ~AudioCapture() = default;
    virtual QString deviceName() const = 0;
    // Opens the input with the requested format or, when nearestAllowed, with the nearest one
    // the device supports (its real format is put in *actual). Blocks of at most bufferBytes
    // (0: the backend's choice) are handed to onData while it runs.
    virtual StartResult start(const PcmFormat &requested, bool nearestAllowed, int bufferBytes, Data onData,
                              Stopped onStopped, PcmFormat *actual, QString *detail) = 0;
    virtual void stop() = 0;
};

// Plays one sound at a time; starting another, or stop(), ends the current one without its
// callback.
class AudioPlayback
{
public:
    enum End { Played, NoOutput, Failed };
    using Done = std::function<void(End end)>;

    virtual ~AudioPlayback() = default;
    virtual void playPcm(const QByteArray &pcm, const PcmFormat &format, Done done) = 0;
    // Compressed audio, decoded from a file.
    virtual void playFile(const QString &path, Done done) = 0;
    virtual void stop() = 0;
};

class AudioModule
{
public:
    virtual ~AudioModule() = default;
    // The PC's sound inputs by name, sorted, each name once.
    virtual QStringList inputNames() = 0;
    // An input by name; an empty name is the system's default input. The caller owns it.
    virtual AudioCapture *createCapture(const QString &inputName) = 0;
    virtual AudioPlayback *createPlayback() = 0;

    // The loaded module, loading it on the first call; null (and logged once) when it cannot be
    // loaded. Use on the GUI thread.
    static AudioModule *instance();
    static QString modulePath();
    // What the user is told when the module is missing.
    static QString unavailableMessage();
    // Tests put a module of their own in place; null goes back to the loaded one.
    static void setInstance(AudioModule *module);
};

// The module's one entry point; it returns a module that lives as long as the process.
extern "C" {
using VbCreateAudioModule = AudioModule *(*)();
}
