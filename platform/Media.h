#pragma once
// Media players for the game's sounds and the manager's clip. The real ones
// come from the media module, loaded at first use (see MediaModule.h); tests
// install a factory that makes recording fakes.
#include "platform/DataFiles.h"

#include <QString>
#include <functional>
#include <memory>

class QWidget;

class TMediaPlayer {
public:
    virtual ~TMediaPlayer() = default;
    virtual void SetFileName(const QString& fileName) = 0;
    // Raises ToolkitError when the file is missing.
    virtual void Open() = 0;
    virtual void Play() = 0;
    // Stops playback and releases the file.
    virtual void Close() = 0;
    // Shows the video scaled to fill the panel.
    virtual void SetDisplay(QWidget* panel) = 0;
};

using TMediaPlayerFactory = std::function<std::unique_ptr<TMediaPlayer>(const QString& name)>;

// Makes a player named after its component (e.g. "Spielschirm.MediaPlayer").
std::unique_ptr<TMediaPlayer> CreateMediaPlayer(const QString& name);
// Installs a factory; an empty one restores the Qt players.
void SetMediaPlayerFactory(TMediaPlayerFactory factory);

// The number of audio outputs of the system (0 when the media module cannot
// be loaded); injectable for tests.
int AudioOutputCount();
void SetAudioOutputCounter(std::function<int()> counter);
