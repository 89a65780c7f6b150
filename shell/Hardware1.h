#pragma once
// The sound switch: sound starts on, unless the system has no audio output
// at all, in which case it stays off and the main menu's button is disabled.

#include <QString>

class TMediaPlayer;

class THardware {
public:
    bool TonAn = true;

    THardware();
    void Toggle();

private:
    void ShowCaption();
};

// The one way the game plays and stops its sounds: both only while sound is
// on. Play gives the player the file, opens it and starts it.
void PlaySound(TMediaPlayer* player, const QString& fileName);
void CloseSound(TMediaPlayer* player);
