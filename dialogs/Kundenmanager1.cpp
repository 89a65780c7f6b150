#include "dialogs/Kundenmanager1.h"

#include "dialogs/Dialoghilfen.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"

TKundenmanager* Kundenmanager = nullptr;

TKundenmanager::TKundenmanager() : TForm(QStringLiteral("Kundenmanager"), QStringLiteral("Kundenmanager"), 813, 601) {
    Kundenmanager = this;

    const TNoticeFrame frame =
        MakeNoticeFrame(this, DataFiles::Banner, {0, 0, 795, 298}, {-8, 553, 816, 45}, {0, 300, 812, 255});
    Image1 = frame.Banner;
    Image2 = frame.Strip;
    Panel1 = frame.Panel;
    Label1 = MakeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Manager:"), 40, 16, 196, 29, 24, true);
    Label2 = MakeLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Muszály sietni egy kicsit!"), 40, 49, 320, 32,
                       27, true);
    SetGrowingText(Label2, Label2->text(), 320);  // whole in this font's widths
    Label3 = MakeLabel(Panel1, QStringLiteral("Label3"),
                       QStringLiteral("A főnök állandóan a megfelelő színösszetételről faggat:. Miért tart ilyen "
                                      "sokáig a szín kikeverése?"),
                       42, 106, 262, 88, 19);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The clip is shown here, scaled to the whole panel.
    Display = new TColourBox(Panel1, QStringLiteral("Display"), 392, 9, 215, 234, false);
    Ok = MakeConfirmButton(this, Panel1, QStringLiteral("Ok"), QStringLiteral("Játék"), {720, 200},
                           [this] { OkClick(); });

    KundenmanagerFigur = CreateMediaPlayer(QStringLiteral("Kundenmanager.KundenmanagerFigur"));
    MediaPlayer = CreateMediaPlayer(QStringLiteral("Kundenmanager.MediaPlayer"));
    OnShow = [this] { FormShow(); };
    ContinueArtworkToEdges(this);
    Centre();
}

TKundenmanager::~TKundenmanager() = default;

void TKundenmanager::FormShow() {
    Punktestand += KostenKundenmanager;
    // The clip plays whether sound is on or not; only the voice obeys the switch.
    KundenmanagerFigur->SetFileName(DataFiles::FaustClip);
    KundenmanagerFigur->Open();
    KundenmanagerFigur->SetDisplay(Display);
    KundenmanagerFigur->Play();
    PlaySound(MediaPlayer.get(), DataFiles::KundenmanagerSound);
}

void TKundenmanager::OkClick() {
    KundenmanagerFigur->Close();
    CloseSound(MediaPlayer.get());
    Close();
}
