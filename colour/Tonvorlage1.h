#pragma once
// A target shade: the colour of a hidden random recipe of base colours.
#include "colour/Lab1.h"

#include <QString>
#include <memory>

class TMischregal;
class TPicture;
class TRezeptur;

class TTonvorlage {
public:
    QString Name;
    DisplayColour Colour = 0;
    RgbTriple Rgb;
    std::unique_ptr<TRezeptur> Rezeptur;
    TLab Lab;

    TTonvorlage(const QString& name, TMischregal* shelf);
    ~TTonvorlage();

    // Fills the whole canvas with the shade's colour.
    void Paint(TPicture* canvas) const;

    // The colour of a recipe: each component's share of the total amount,
    // truncated channel by channel after every component. Black for an
    // empty recipe.
    static RgbTriple ColourOfRecipe(const TRezeptur& recipe, const TMischregal* shelf);
};
