#pragma once
#include "platform/Form.h"

class TTonvorlage;
class TChargenblech;

class TProduktionsbeschluss : public TForm {
public:
    TProduktionsbeschluss();
    void ShowDecision(TChargenblech* panel);
    bool RecipeAccepted = false;
};

extern TProduktionsbeschluss* Produktionsbeschluss;
