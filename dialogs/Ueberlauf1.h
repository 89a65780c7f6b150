#pragma once
#include "platform/Form.h"
#include "platform/Media.h"
#include "platform/Picture.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TColourBox;

// The notice that the batch vessel has overflowed; shown without blocking.
// The production screen paints the puddle and the drum in the batch colour
// before showing it; "Ok" charges the 5000 points of the discarded paint.
class TUeberlauf : public TForm {
public:
    TUeberlauf();
    ~TUeberlauf() override;
    void ShowNotice();
    void Button1Click();
    TPicture* Image3 = nullptr;  // the drum
    TPicture* Image4 = nullptr;  // the spilled puddle

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer;
};

extern TUeberlauf* Ueberlauf;
