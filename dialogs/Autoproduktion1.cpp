#include "dialogs/Autoproduktion1.h"

TAutoproduktion* Autoproduktion = nullptr;

TAutoproduktion::TAutoproduktion() : TForm(QStringLiteral("Autoproduktion"), QStringLiteral("Autoproduktion"), 808, 601) {
    Autoproduktion = this;
    Centre();
}

// Scaffolding until the verdict is built.
void TAutoproduktion::ShowVerdict(TTonvorlage*, TChargenblech*) { ShowForm(); }
