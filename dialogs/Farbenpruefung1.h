#pragma once
#include "platform/Form.h"

class TTonvorlage;
class TChargenblech;

class TFarbenpruefung : public TForm {
public:
    TFarbenpruefung();
    void ShowCheck(TTonvorlage* target, TChargenblech* panel);
};

extern TFarbenpruefung* Farbenpruefung;
