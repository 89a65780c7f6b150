#include "dialogs/Farbenpruefung1.h"

TFarbenpruefung* Farbenpruefung = nullptr;

TFarbenpruefung::TFarbenpruefung() : TForm(QStringLiteral("Farbenpruefung"), QStringLiteral("Farbenüberprüfung"), 808, 601) {
    Farbenpruefung = this;
    Centre();
}

// Scaffolding until the colour check is built.
void TFarbenpruefung::ShowCheck(TTonvorlage*, TChargenblech*) { ShowForm(); }
