#pragma once
#include "platform/Form.h"
#include "platform/Picture.h"

class TUeberlauf : public TForm {
public:
    TUeberlauf();
    void ShowNotice();
    TPicture* Image3 = nullptr;  // the drum
    TPicture* Image4 = nullptr;  // the spilled puddle
};

extern TUeberlauf* Ueberlauf;
