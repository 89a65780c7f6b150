#include "shell/Hardware1.h"

#include "platform/Media.h"
#include "shell/Konfiguration1.h"
#include "shell/Vernicura1.h"

#include <QPushButton>

THardware::THardware() {
    TonAn = true;
    ShowCaption();
}

void THardware::CheckOutputs() {
    if (outputsChecked_)
        return;
    outputsChecked_ = true;
    // This platform has no separate count of MIDI outputs: the audio outputs
    // stand for both.
    if (AudioOutputCount() == 0) {
        TonAn = false;
        ShowCaption();
        if (Vernicura && Vernicura->Ton)
            Vernicura->Ton->setEnabled(false);
    }
}

void THardware::Toggle() {
    TonAn = !TonAn;
    ShowCaption();
}

void THardware::ShowCaption() {
    if (Vernicura && Vernicura->Ton)
        Vernicura->Ton->setText(TonAn ? QStringLiteral("Ton aus") : QStringLiteral("Ton ein"));
}

bool SoundOn() {
    if (!Hardware)
        return false;
    Hardware->CheckOutputs();
    return Hardware->TonAn;
}

void PlaySound(TMediaPlayer* player, const QString& fileName) {
    if (!SoundOn())
        return;
    player->SetFileName(fileName);
    player->Open();
    player->Play();
}

void CloseSound(TMediaPlayer* player) {
    if (SoundOn())
        player->Close();
}
