#include "colour/Basisfarbe1.h"
// Scaffolding until the colour model is built.
TBasisfarbe::TBasisfarbe(const QString& code, int red, int green, int blue) : Code(code) {
    Rgb = {red, green, blue};
    Colour = ToDisplayColour(Rgb);
}
void TBasisfarbe::Place(const QString&, int, int, int, TColourBox*, TTrackBar*, TPicture*, TPicture*) {}
void TBasisfarbe::SwatchClick() {}
void TBasisfarbe::SwatchDoubleClick() {}
void TBasisfarbe::Highlight() {}
void TBasisfarbe::ShowSlider() {}
