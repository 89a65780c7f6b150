#pragma once
#include "platform/Form.h"

#include <QColor>
#include <QLabel>
#include <QPushButton>

class TTonvorlage;
class TChargenblech;
class TColourBox;
class TPicture;

// The colour check: target shade and test panel side by side as two flat
// colour fields, which the player can swap, pull apart and surround with a
// random colour. Shown without blocking; every opening costs 200 points.
class TFarbenpruefung : public TForm {
public:
    TFarbenpruefung();
    void ShowCheck(TTonvorlage* target, TChargenblech* panel);
    void PaintSamples();

    void ZwischenraumClick();
    void Button2Click();
    void UmfeldClick();
    void Button1Click();

    int Swapped = 0;   // 1: panel on the left, target on the right
    int Gap = 0;       // 0 or 50 pixels between the fields
    int Surround = 0;  // 1 while a random surround colour is on
    QColor SavedColour;

    TPicture* Image1 = nullptr;
    TPicture* Image2 = nullptr;
    TColourBox* Panel1 = nullptr;
    TColourBox* GroupBox1 = nullptr;
    TPicture* TVBild = nullptr;
    TPicture* NFBild = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TColourBox* GroupBox8 = nullptr;
    QLabel* StaticText5 = nullptr;
    QPushButton* Zwischenraum = nullptr;
    QPushButton* Umfeld = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;

private:
    TChargenblech* LivePanel() const;
    TTonvorlage* target_ = nullptr;
    TChargenblech* panel_ = nullptr;
};

extern TFarbenpruefung* Farbenpruefung;
