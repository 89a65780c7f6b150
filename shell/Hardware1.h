#pragma once
// The sound switch: sound starts on, unless the system has no audio output
// at all, in which case it stays off and the main menu's button is disabled.
// Counting the outputs loads the media stack (Qt Multimedia, PulseAudio), a
// third of the memory a start-up would otherwise take, so the system is asked
// when the main menu is first shown or a sound is first about to start,
// whichever comes first: before the player can see the button or hear a
// sound.

#include <QString>

class TMediaPlayer;

class THardware {
public:
    bool TonAn = true;

    THardware();
    void Toggle();
    // Asks the system once; without any audio output, sound goes off for the
    // rest of the run and the button is disabled.
    void CheckOutputs();

private:
    void ShowCaption();
    bool outputsChecked_ = false;
};

// True when sounds are to be played: the one place the sound switch is asked.
bool SoundOn();

// The one way the game plays and stops its sounds: both only while sound is
// on. Play gives the player the file, opens it and starts it.
void PlaySound(TMediaPlayer* player, const QString& fileName);
void CloseSound(TMediaPlayer* player);
