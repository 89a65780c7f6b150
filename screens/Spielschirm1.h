#pragma once
#include "platform/Form.h"

#include <QLabel>
#include <memory>

class TChargenblech;
class THistorie;

class TSpielschirm : public TForm {
public:
    TSpielschirm();
    ~TSpielschirm() override;

    // Sets up a new game and runs the laboratory modally.
    void FormShow();
    // Writes the points total into the points label.
    void RefreshPoints();

    QLabel* Punkte = nullptr;
    // The game's test panel and shade history, owned here; the production
    // screen carries on with them.
    std::unique_ptr<TChargenblech> Blech;
    std::unique_ptr<THistorie> Historie;
};

extern TSpielschirm* Spielschirm;
