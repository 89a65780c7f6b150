#pragma once
#include "platform/Form.h"
#include "platform/Media.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TColourBox;
class TPicture;

// The customer manager presses for speed: a clip of the manager figure, a
// sound and 500 points on every showing. Shown modally by the shade history.
class TKundenmanager : public TForm {
public:
    TKundenmanager();
    ~TKundenmanager() override;
    // Runs on every showing.
    void FormShow();
    void OkClick();

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TColourBox* Display = nullptr;
    QPushButton* Ok = nullptr;
    std::unique_ptr<TMediaPlayer> KundenmanagerFigur;
    std::unique_ptr<TMediaPlayer> MediaPlayer;
};

extern TKundenmanager* Kundenmanager;
