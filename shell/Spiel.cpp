#include "shell/Spiel.h"

#include "colour/Historie1.h"
#include "colour/Mischregal1.h"
#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Controls.h"
#include "platform/Media.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Hardware1.h"

TSpiel* Spiel = nullptr;

namespace {
// Closes a dialog left open, with its sound, as its own button would, but
// without the button's effect on the game.
template <class Dialog>
void dismiss(Dialog* dialog) {
    if (!dialog || !dialog->isVisible())
        return;
    CloseSound(dialog->MediaPlayer.get());
    dialog->Close();
}
}  // namespace

TSpiel::TSpiel() = default;
TSpiel::~TSpiel() = default;

void TSpiel::Beenden() {
    LaborDialogeSchliessen();
    dismiss(Autoproduktion);
    // An overflow not yet confirmed is not charged: the game is over and
    // writes no record any more.
    dismiss(Ueberlauf);
    // The screen the game ends on stops its fill sound.
    if (Spielschirm) {
        if (Spielschirm->isVisible())
            CloseSound(Spielschirm->MediaPlayer.get());
        Spielschirm->Rezept->hide();
        Spielschirm->AnzeigeHistorie->hide();
    }
    if (Spielschirm2) {
        if (Spielschirm2->isVisible())
            CloseSound(Spielschirm2->MediaPlayer2.get());
        Spielschirm2->Rezept->hide();
        Spielschirm2->AnzeigeHistorie->hide();
    }
    Historie.reset();
    Blech.reset();
    if (Spielschirm2)
        Spielschirm2->Close();
    if (Spielschirm)
        Spielschirm->Close();
}

void TSpiel::LaborDialogeSchliessen() {
    if (Farbenpruefung && Farbenpruefung->isVisible())
        Farbenpruefung->Close();
    dismiss(Produktionsbeschluss);
    dismiss(MaxBasisfarben);
}

void TSpiel::PunkteZeigen() {
    if (Spielschirm)
        Spielschirm->RefreshPoints();
    if (Spielschirm2)
        Spielschirm2->RefreshPoints();
}
