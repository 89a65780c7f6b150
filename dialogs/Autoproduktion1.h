#pragma once
#include "platform/Form.h"

class TTonvorlage;
class TChargenblech;

class TAutoproduktion : public TForm {
public:
    TAutoproduktion();
    void ShowVerdict(TTonvorlage* target, TChargenblech* panel);
    bool Accepted = false;
};

extern TAutoproduktion* Autoproduktion;
