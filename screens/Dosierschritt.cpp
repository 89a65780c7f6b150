#include "screens/Dosierschritt.h"

#include "colour/Basisfarbe1.h"
#include "colour/Historie1.h"
#include "colour/Lab1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "platform/Controls.h"
#include "platform/Media.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"

int DosingPause(double added) {
    if (added <= 0.0)
        return 0;
    const double ms = added * 10.0;
    // Compared before truncating, so an absurd amount cannot overflow the int.
    return ms >= 500.0 ? 500 : int(ms);
}

void RefreshPanel(TChargenblech* panel, TPicture* picture) {
    panel->Colour = Mischregal->Mix(panel->Rgb);
    picture->FillClip(ToQColor(panel->Colour));
    panel->Rezeptur->FillFromShelf(Mischregal);
    panel->Lab.SetFromRGB(panel->Rgb);
    panel->Lab.CompareWith(AktuelleTonvorlage->Lab);
}

void TakeAddition(TChargenblech* panel, TPicture* picture) {
    Mischregal->TakeAmountFromSlider(Mischregal->SelectedIndex);
    Mischregal->CountUsed();
    RefreshPanel(panel, picture);
}

void BookAddition(TMediaPlayer* player, int cost, THistorie* history) {
    PlaySound(player, DataFiles::LaborFillSound);
    Punktestand += cost;
    history->AddRow(Mischregal, Mischregal->SelectedIndex);
}

void ShowJet(TPicture* jet) {
    jet->show();
    jet->repaint();
}
