#pragma once
#include "platform/Form.h"
#include "platform/Media.h"

#include <QPushButton>
#include <memory>

class TColourBox;
class TPicture;

// The notice that the base colours have changed; modal, so the game waits
// until the player has read it.
class TNeueBasisfarben : public TForm {
public:
    TNeueBasisfarben();
    ~TNeueBasisfarben() override;
    void ShowNotice();
    void OkClick();

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    TPicture* Image3 = nullptr;
    QPushButton* Ok = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer;
};

extern TNeueBasisfarben* NeueBasisfarben;
