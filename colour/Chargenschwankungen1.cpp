#include "colour/Chargenschwankungen1.h"
// Scaffolding until the colour model is built.
TChargenschwankungen::TChargenschwankungen(double startTime) : LastChange(startTime) {}
void TChargenschwankungen::Check(TMischregal*) {}
