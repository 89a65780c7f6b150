#include "colour/Mischregal1.h"

#include "colour/Basisfarbe1.h"
#include "colour/Rezeptur1.h"
// Scaffolding until the colour model is built.
TMischregal::TMischregal() {}
TMischregal::~TMischregal() = default;
void TMischregal::Layout(const QString&, TColourBox*, TPicture*, TPicture*, TStringGrid*, TStringGrid*, TTrackBar*) {}
void TMischregal::DeselectAll() {}
void TMischregal::TakeAmountFromSlider(int) {}
void TMischregal::CountUsed() {}
DisplayColour TMischregal::Mix(RgbTriple& result) const { result = {}; return 0; }
void TMischregal::Fluctuate(int) {}
TChargenblech::TChargenblech(TPicture*, TMischregal* shelf) : Rezeptur(std::make_unique<TRezeptur>(shelf)) {}
TChargenblech::~TChargenblech() = default;
void TChargenblech::ApplyDeviation(int) {}
