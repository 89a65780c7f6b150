#include "colour/Historie1.h"
// Scaffolding until the colour model is built.
THistorie::THistorie(TMischregal*) {}
void THistorie::Clear(TMischregal*) {}
void THistorie::AddRow(TMischregal*, int) {}
