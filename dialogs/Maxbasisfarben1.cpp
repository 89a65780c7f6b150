#include "dialogs/Maxbasisfarben1.h"

TMaxBasisfarben* MaxBasisfarben = nullptr;

TMaxBasisfarben::TMaxBasisfarben() : TForm(QStringLiteral("MaxBasisfarben"), QStringLiteral("Maximale Anzahl Basisfarben"), 812, 601, true) {
    MaxBasisfarben = this;
    SetOuterSize(QSize(820, 632));
    Centre();
}

// Scaffolding until the notice is built.
void TMaxBasisfarben::ShowNotice() { ShowForm(); }
