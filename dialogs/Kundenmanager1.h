#pragma once
#include "platform/Form.h"

class TKundenmanager : public TForm {
public:
    TKundenmanager();
};

extern TKundenmanager* Kundenmanager;
