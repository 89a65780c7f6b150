#pragma once
// What the media module offers the game. Qt Multimedia brings Qt Network,
// PulseAudio and their libraries with it, a third of the memory a start-up
// would otherwise take; so the players and the count of audio outputs live in
// a module of their own (pigmentra_media.so, beside the executable), loaded
// when a sound, the clip or the count is first wanted.
#include "platform/Media.h"

#include <memory>

class TMediaBackend {
public:
    virtual ~TMediaBackend() = default;
    virtual int AudioOutputCount() = 0;
    // A player whose Open is only called for files that exist; `withSound`
    // gives it an audio output.
    virtual std::unique_ptr<TMediaPlayer> CreatePlayer(bool withSound) = 0;
};

// The module's one exported function; the backend lives as long as the
// process.
#define PIGMENTRA_MEDIA_BACKEND_SYMBOL "PigmentraMediaBackend"
extern "C" {
using TMediaBackendEntry = TMediaBackend* (*)();
}
