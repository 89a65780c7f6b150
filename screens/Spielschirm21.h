#pragma once
#include "platform/Form.h"

#include <QLabel>

class TSpielschirm2 : public TForm {
public:
    TSpielschirm2();

    // Turns the accepted recipe into a batch and runs production modally.
    void ProduktionStarten();
    void RefreshPoints();

    QLabel* Punkte = nullptr;
};

extern TSpielschirm2* Spielschirm2;
