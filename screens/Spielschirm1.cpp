#include "screens/Spielschirm1.h"

#include "colour/Historie1.h"
#include "colour/Mischregal1.h"

TSpielschirm* Spielschirm = nullptr;

TSpielschirm::TSpielschirm() : TForm(QStringLiteral("Spielschirm"), QStringLiteral("Ausarbeitung von neuen Farbtönen"), 808, 601) {
    Spielschirm = this;
    Centre();
}

// Scaffolding until the laboratory is built.
TSpielschirm::~TSpielschirm() = default;
void TSpielschirm::FormShow() { ShowModal(); }
void TSpielschirm::RefreshPoints() {}
