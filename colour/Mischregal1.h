#pragma once
// The mixing shelf with its sixteen base colours and the mixing rule, and
// the test panel that holds a game's mixture.
#include "colour/Lab1.h"

#include <QString>
#include <memory>
#include <vector>

class TBasisfarbe;
class TColourBox;
class TPicture;
class TRezeptur;
class TStringGrid;
class TTrackBar;

class TMischregal {
public:
    TStringGrid* RecipeGrid = nullptr;
    TStringGrid* HistoryGrid = nullptr;
    int Count = 16;
    int SelectedIndex = -1;
    int UsedCount = 0;
    std::vector<std::unique_ptr<TBasisfarbe>> Basisfarben;
    TTrackBar* Slider = nullptr;

    TMischregal();
    ~TMischregal();

    void Layout(const QString& caption, TColourBox* groupBox, TPicture* jet, TPicture* tube, TStringGrid* historyGrid,
                TStringGrid* recipeGrid, TTrackBar* slider);
    void DeselectAll();
    void TakeAmountFromSlider(int index);
    void CountUsed();
    // Fills the triple with the mixture's colour and returns its display colour.
    DisplayColour Mix(RgbTriple& result) const;
    void Fluctuate(int range);
};

// The test panel: a game's mixture with its colour, recipe and the hidden
// batch deviation that quality control adds on delivery.
class TChargenblech {
public:
    QString Name;
    RgbTriple Rgb;
    DisplayColour Colour = 0;
    std::unique_ptr<TRezeptur> Rezeptur;
    TLab Lab;
    int Deviation[3] = {0, 0, 0};

    // Draws the name and the deviation and paints the panel black.
    TChargenblech(TPicture* canvas, TMischregal* shelf);
    ~TChargenblech();

    void ApplyDeviation(int direction);
};
