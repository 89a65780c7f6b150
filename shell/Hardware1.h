#pragma once
// The sound switch: sound starts on, unless the system has no audio output
// at all, in which case it stays off and the main menu's button is disabled.

class THardware {
public:
    bool TonAn = true;

    THardware();
    void Toggle();

private:
    void ShowCaption();
};
