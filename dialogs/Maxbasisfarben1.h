#pragma once
#include "platform/Form.h"

class TMaxBasisfarben : public TForm {
public:
    TMaxBasisfarben();
    void ShowNotice();
};

extern TMaxBasisfarben* MaxBasisfarben;
