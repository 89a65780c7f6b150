#include "colour/Rezeptur1.h"
// Scaffolding until the colour model is built.
TRezeptur::TRezeptur(TMischregal*) {}
void TRezeptur::FillFromShelf(TMischregal*) {}
void TRezeptur::ClearGrid() {}
