#pragma once
// One base colour on the mixing shelf: its code, its colour, its amount in
// the current mixture and the clickable swatch that shows it.
#include "colour/Lab1.h"

#include <QPointer>
#include <QString>

class TColourBox;
class TMischregal;
class TPicture;
class TTrackBar;

// The production track bar runs to 5000 units. It reaches the vessel's
// 12000 for a base colour that holds more than 5000 units (a main component
// above about 83 % of the laboratory recipe), so its minimum never lies above
// the maximum; and for one whose batch amount before the main component's
// cut to 60 % was above 5000 (more than half of the recipe), so the batch can
// be tinted back to its own accepted recipe.
int ProductionTrackBarMax(double amount, double batchAmount);

class TBasisfarbe {
public:
    TTrackBar* Slider = nullptr;
    QString Code;
    DisplayColour Colour = 0;  // fixed at construction; used for painting
    RgbTriple Rgb;             // used in mixing; shifted by the drift
    int Row = 0;
    int Column = 0;
    int Selected = 0;
    int Index = 0;
    double PreviousAmount = 0.0;
    double Amount = 0.0;
    // In production: the batch amount this base colour was given before the
    // main component's cut. 0 in the laboratory.
    double BatchAmount = 0.0;
    QPointer<TPicture> Swatch;  // owned by the group box it was placed in
    TPicture* Tube = nullptr;
    TPicture* Jet = nullptr;
    // The shelf that placed the swatch (the process-wide shelf when unset).
    TMischregal* Shelf = nullptr;
    // True when the swatch was placed with the production artwork.
    bool ProductionSwatch = false;

    TBasisfarbe(const QString& code, int red, int green, int blue);
    ~TBasisfarbe();
    TBasisfarbe(const TBasisfarbe&) = delete;
    TBasisfarbe& operator=(const TBasisfarbe&) = delete;

    // Records the references and creates a fresh swatch in the group box,
    // with the laboratory or production artwork.
    void Place(const QString& code, int row, int column, int index, TColourBox* groupBox, TTrackBar* slider,
               TPicture* tube, TPicture* jet);
    void SwatchClick();
    void SwatchDoubleClick();
    void Highlight();
    void ShowSlider();

private:
    TMischregal* shelf() const;
    // Set by the second press of a double-click, so that its release is not
    // taken for another click.
    bool swallowClick_ = false;
};
