#pragma once
#include "platform/Form.h"

class TVernicuraStart : public TForm {
public:
    TVernicuraStart();

protected:
    // Closing the start screen ends the program, whatever else is open.
    void closeEvent(QCloseEvent* event) override;
};

extern TVernicuraStart* VernicuraStart;
