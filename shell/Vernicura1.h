#pragma once
#include "platform/Form.h"

#include <QPushButton>

class TVernicura : public TForm {
public:
    TVernicura();

    QPushButton* Ton = nullptr;

    // Clear the marks of every car colour item / every level item.
    void ClearCarMarks();
    void ClearLevelMarks();
};

extern TVernicura* Vernicura;
