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

// The production track bar runs to 5000 units; a base colour that already
// holds more than that (a main component above about 83 % of the laboratory
// recipe) gets the vessel's 12000, so its minimum never lies above the
// maximum.
int ProductionTrackBarMax(double amount);

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
