#pragma once
#include "platform/Form.h"

class TNeueBasisfarben : public TForm {
public:
    TNeueBasisfarben();
    void ShowNotice();
};

extern TNeueBasisfarben* NeueBasisfarben;
