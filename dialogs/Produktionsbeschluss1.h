#pragma once
#include "platform/Form.h"
#include "platform/Media.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TTonvorlage;
class TChargenblech;
class TColourBox;
class TPicture;

// The production decision on a handed-in recipe: charges 1000 points, shows
// the accepted or not-accepted picture with its sound, and on "Ok" of an
// accepted recipe starts production. Shown without blocking.
class TProduktionsbeschluss : public TForm {
public:
    TProduktionsbeschluss();
    ~TProduktionsbeschluss() override;
    void ShowDecision(TChargenblech* panel);
    void Button1Click();
    bool RecipeAccepted = false;

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    TPicture* Bildionio = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* GesamtKosten = nullptr;
    QPushButton* Button1 = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer;
};

extern TProduktionsbeschluss* Produktionsbeschluss;
