#include "dialogs/Produktionsbeschluss1.h"

TProduktionsbeschluss* Produktionsbeschluss = nullptr;

TProduktionsbeschluss::TProduktionsbeschluss() : TForm(QStringLiteral("Produktionsbeschluss"), QStringLiteral("Produktionsbeschluss"), 808, 601) {
    Produktionsbeschluss = this;
    Centre();
}

// Scaffolding until the production decision is built.
void TProduktionsbeschluss::ShowDecision(TChargenblech*) { ShowForm(); }
