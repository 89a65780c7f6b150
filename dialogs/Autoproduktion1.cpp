#include "dialogs/Autoproduktion1.h"

#include "colour/Mischregal1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Dialoghilfen.h"
#include "dialogs/Highscore1.h"
#include "platform/Controls.h"
#include "platform/DataFiles.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

TAutoproduktion* Autoproduktion = nullptr;

namespace {
const QString CarPainting = DataFiles::Autoproduktion;
}

TAutoproduktion::TAutoproduktion()
    : TForm(QStringLiteral("Autoproduktion"), QStringLiteral("Autoproduktion"), 808, 601) {
    Autoproduktion = this;

    const TNoticeFrame frame = MakeNoticeFrame(this, DataFiles::BannerProduktion, {0, 0, 801, 345}, {0, 553, 798, 45},
                                               {-1, 300, 816, 255}, QStringLiteral("Image2"), QStringLiteral("Image3"));
    Image2 = frame.Banner;
    Image3 = frame.Strip;
    Panel1 = frame.Panel;
    // The car painting lies on the form behind the panel, which hides its
    // lower part; the panel holds a second copy whose lower part continues it.
    Image1 = new TTransparentPicture(this, QStringLiteral("Image1"), 351, 117, 534, 407);
    Image1->LoadDecoration(CarPainting);
    Image1->stackUnder(Image3);
    Image4 = new TTransparentPicture(Panel1, QStringLiteral("Image4"), 351, -184, 479, 407);
    Image4->LoadDecoration(CarPainting);

    Label1 = MakeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Qualitätssicherung Lackiererei:"), 24, 29, 290,
                       24, 21);
    Autoakzeptiert = MakeLabel(Panel1, QStringLiteral("Autoakzeptiert"), QStringLiteral("Batch akzeptiert"), 23, 54,
                               184, 29, 24, true);
    SetGrowingText(Autoakzeptiert, Autoakzeptiert->text(), 184);  // whole in this font's widths
    AutoNichtakzeptiert = MakeLabel(Panel1, QStringLiteral("AutoNichtakzeptiert"),
                                    QStringLiteral("Batch nicht akzeptiert"), 24, 53, 339, 41, 24, true);
    Ablehnung = MakeLabel(Panel1, QStringLiteral("Ablehnung"),
                          QStringLiteral("Die Qualität der entspricht nicht unseren Qualitätsanforderungen. Sie müssen "
                                         "weitertönen, wenn Sie den Farbton nicht an den Wettbewerb verlieren wollen."),
                          24, 94, 307, 110, 19);
    Ablehnung->setWordWrap(true);
    Ablehnung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2 = MakeLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Bisherige Kosten :"), 25, 214, 155, 22, 19);
    GesamtKosten =
        MakeLabel(Panel1, QStringLiteral("GesamtKosten"), QStringLiteral("2000 pont"), 187, 214, 107, 22, 19);
    Ok = MakeConfirmButton(this, Panel1, QStringLiteral("Ok"), QStringLiteral("Ok"), {728, 200}, [this] { OkClick(); });

    MediaPlayer = CreateMediaPlayer(QStringLiteral("Autoproduktion.MediaPlayer"));
    ContinueArtworkToEdges(this);
    Centre();
}

TAutoproduktion::~TAutoproduktion() = default;

// Body and spray cones take the batch colour, the floor stripe the target's.
// Both copies keep their colours until the next verdict paints over them.
void TAutoproduktion::PaintCar(QColor batch, QColor target) {
    Image4->FloodFill(FillPoints::VerdictBodyLower, batch);
    Image1->FloodFill(FillPoints::VerdictBodyUpper, batch);
    Image4->FloodFill(FillPoints::VerdictFloor, target);
    const QRgb spray = Image1->Pixel(FillPoints::VerdictSpray);
    for (int x = 100; x <= 399; ++x) {
        for (int y = 100; y <= 399; ++y) {
            if (Image1->Pixel(x, y) == spray)
                Image1->SetPixel(x, y, batch);
            if (Image4->Pixel(x, y) == spray)
                Image4->SetPixel(x, y, batch);
        }
    }
}

void TAutoproduktion::ShowVerdict(TTonvorlage* target, TChargenblech* panel) {
    if (!target || !panel || !Konfiguration)
        return;
    Punktestand += KostenAutoproduktion;
    SetGrowingText(GesamtKosten, PointsText(Punktestand), 107);
    PaintCar(ToQColor(panel->Colour), ToQColor(target->Colour));

    // A difference exactly at the tolerance passes.
    Accepted = !(panel->Lab.DeltaE > Konfiguration->ChargenToleranz);
    Autoakzeptiert->setVisible(Accepted);
    AutoNichtakzeptiert->setVisible(!Accepted);
    Ablehnung->setVisible(!Accepted);
    // The total entered includes this delivery. Once accepted, the game is
    // decided: the production screen charges and records nothing more.
    if (Accepted && Spiel)
        Spiel->BatchAkzeptiert = true;
    if (Accepted && HighScore)
        HighScore->AddEntry(QString::fromLatin1(HighscoreFileName), Spielername, Punktestand);
    PlaySound(MediaPlayer.get(), Accepted ? DataFiles::OKSound : DataFiles::NIOSound);
    ShowForm();
}

void TAutoproduktion::OkClick() {
    CloseSound(MediaPlayer.get());
    Close();
    // An accepted batch ends the game.
    if (Accepted && Spiel)
        Spiel->Beenden();
}
