#include "screens/Spielschirm21.h"

TSpielschirm2* Spielschirm2 = nullptr;

TSpielschirm2::TSpielschirm2() : TForm(QStringLiteral("Spielschirm2"), QStringLiteral("Tönen von Lackchargen in der Produktion"), 808, 601) {
    Spielschirm2 = this;
    Centre();
}

// Scaffolding until production is built.
void TSpielschirm2::ProduktionStarten() { ShowModal(); }
void TSpielschirm2::RefreshPoints() {}
