#include "dialogs/Ueberlauf1.h"

#include "dialogs/Dialoghilfen.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

TUeberlauf* Ueberlauf = nullptr;

TUeberlauf::TUeberlauf() : TForm(QStringLiteral("Ueberlauf"), QStringLiteral("Ueberlauf"), 808, 601) {
    Ueberlauf = this;

    const TNoticeFrame frame =
        MakeNoticeFrame(this, DataFiles::BannerProduktion, {0, 0, 795, 298}, {-8, 553, 816, 45}, {0, 300, 812, 255});
    Image1 = frame.Banner;
    Image2 = frame.Strip;
    Panel1 = frame.Panel;
    // The puddle's white surroundings let the panel show through; the
    // picture is scaled into its place.
    auto* puddle = new TTransparentPicture(Panel1, QStringLiteral("Image4"), 138, 67, 569, 185);
    puddle->Stretch = true;
    Image4 = puddle;
    Image4->LoadDecoration(DataFiles::Pfuetze);
    Image3 = new TPicture(Panel1, QStringLiteral("Image3"), 672, 8, 121, 145);
    Image3->LoadDecoration(DataFiles::Fass);

    // The texts stay readable over the puddle.
    Label2 = MakeLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Der Chargenbehälter ist übergelaufen"), 30, 19,
                       429, 29, 24, true);
    SetGrowingText(Label2, Label2->text(), 429);  // whole in this font's widths
    Label3 = MakeLabel(Panel1, QStringLiteral("Label3"),
                       QStringLiteral("Ihre Tönzugaben haben zu einem Überlauf des Chargenbehälters geführt. Sie "
                                      "müssen einen Teil Ihres Batches herausnehmen und entsorgen (Ár : 5000 pont)"),
                       31, 63, 399, 88, 19);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Not the default button: Enter does not confirm this notice.
    Button1 = MakeConfirmButton(
        this, Panel1, QStringLiteral("Button1"), QStringLiteral("Ok"), {720, 200}, [this] { Button1Click(); }, false);

    MediaPlayer = CreateMediaPlayer(QStringLiteral("Ueberlauf.MediaPlayer"));
    ContinueArtworkToEdges(this);
    Centre();
}

TUeberlauf::~TUeberlauf() = default;

void TUeberlauf::ShowNotice() {
    PlaySound(MediaPlayer.get(), DataFiles::UeberlaufSound);
    ShowForm();
}

void TUeberlauf::Button1Click() {
    Punktestand += KostenUeberlauf;
    if (Spiel)
        Spiel->PunkteZeigen();
    CloseSound(MediaPlayer.get());
    Close();
}
