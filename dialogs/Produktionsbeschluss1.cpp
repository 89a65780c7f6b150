#include "dialogs/Produktionsbeschluss1.h"

#include "colour/Mischregal1.h"
#include "dialogs/Dialoghilfen.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "screens/Spielschirm1.h"
#include "screens/Spielschirm21.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

TProduktionsbeschluss* Produktionsbeschluss = nullptr;

TProduktionsbeschluss::TProduktionsbeschluss()
    : TForm(QStringLiteral("Produktionsbeschluss"), QStringLiteral("Produktionsbeschluss"), 808, 601) {
    Produktionsbeschluss = this;

    const TNoticeFrame frame =
        MakeNoticeFrame(this, DataFiles::BannerLabor, {0, 0, 795, 298}, {0, 553, 816, 45}, {0, 300, 816, 255});
    Image1 = frame.Banner;
    Image2 = frame.Strip;
    Panel1 = frame.Panel;

    // The accepted picture stands in the dialog until the first decision.
    Bildionio = new TPicture(Panel1, QStringLiteral("Bildionio"), 0, 0, 816, 255);
    Bildionio->LoadDecoration(DataFiles::Rezeptok);
    Label2 = MakeLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Bisherige Kosten :"), 33, 214, 155, 22, 19);
    GesamtKosten =
        MakeLabel(Panel1, QStringLiteral("GesamtKosten"), QStringLiteral("2000 pont"), 195, 214, 107, 22, 19);
    Button1 = MakeConfirmButton(this, Panel1, QStringLiteral("Button1"), QStringLiteral("Ok"), {720, 200},
                                [this] { Button1Click(); });

    MediaPlayer = CreateMediaPlayer(QStringLiteral("Produktionsbeschluss.MediaPlayer"));
    ContinueArtworkToEdges(this);
    Centre();
}

TProduktionsbeschluss::~TProduktionsbeschluss() = default;

void TProduktionsbeschluss::ShowDecision(TChargenblech* panel) {
    if (!panel || !Konfiguration)
        return;
    Punktestand += KostenProduktionsbeschluss;
    SetGrowingText(GesamtKosten, PointsText(Punktestand), 107);
    // A difference exactly at the tolerance passes.
    const bool accepted = !(panel->Lab.DeltaE > Konfiguration->RezeptToleranz);
    // A missing picture ends the decision here: the points stay charged and
    // the dialog stays hidden.
    Bildionio->LoadFromFile(accepted ? DataFiles::Rezeptok : DataFiles::Rezeptnio);
    RecipeAccepted = accepted;
    PlaySound(MediaPlayer.get(), accepted ? DataFiles::RezeptOKSound : DataFiles::RezeptNIOSound);
    ShowForm();
}

void TProduktionsbeschluss::Button1Click() {
    CloseSound(MediaPlayer.get());
    Close();
    // Production begins from the laboratory. A decision left open after the
    // player quit the laboratory (its test panel is gone) only closes.
    if (!RecipeAccepted || !Spielschirm || !Spielschirm->isVisible() || !Spiel || !Spiel->Blech)
        return;
    // The laboratory is still open behind the hidden decision: the focus
    // comes back to it, and with a base colour selected that is one more
    // dosing step before production takes the recipe. Its own failure is
    // reported on its own, as an activation's would be; production starts
    // all the same.
    Guard([] { Spielschirm->FormActivate(); });
    Konfiguration->Produktionsphase = 1;
    if (Spielschirm2)
        Spielschirm2->ProduktionStarten();
}
