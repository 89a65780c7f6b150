#include "dialogs/Ueberlauf1.h"

TUeberlauf* Ueberlauf = nullptr;

TUeberlauf::TUeberlauf() : TForm(QStringLiteral("Ueberlauf"), QStringLiteral("Ueberlauf"), 808, 601) {
    Ueberlauf = this;
    Centre();
}

// Scaffolding until the notice is built.
void TUeberlauf::ShowNotice() { ShowForm(); }
