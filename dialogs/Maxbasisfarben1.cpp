#include "dialogs/Maxbasisfarben1.h"

#include "dialogs/Dialoghilfen.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"

TMaxBasisfarben* MaxBasisfarben = nullptr;

TMaxBasisfarben::TMaxBasisfarben()
    : TForm(QStringLiteral("MaxBasisfarben"), QStringLiteral("Maximale Anzahl Basisfarben"), 812, 601, true) {
    MaxBasisfarben = this;
    SetOuterSize(QSize(820, 632));

    const TNoticeFrame frame =
        MakeNoticeFrame(this, DataFiles::Banner, {0, 0, 795, 298}, {0, 556, 810, 45}, {0, 300, 812, 255});
    Image1 = frame.Banner;
    Image2 = frame.Strip;
    Panel1 = frame.Panel;
    Label1 = MakeLabel(Panel1, QStringLiteral("Label1"), QStringLiteral("Regeln der Farbtonformulierung :"), 40, 16,
                       384, 29, 24, true);
    Label2 = MakeLabel(Panel1, QStringLiteral("Label2"), QStringLiteral("Maximale Anzahl Basisfarben"), 40, 49, 386, 32,
                       27, true);
    Label3 = MakeLabel(Panel1, QStringLiteral("Label3"),
                       QStringLiteral("Die maximale Anzahl Basisfarben pro Rezept ist erreicht. Sie können nur "
                                      "zusätzliche Basisfarben einfügen, wenn Sie andere herausnehmen"),
                       42, 106, 368, 88, 19);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Ok = MakeConfirmButton(this, Panel1, QStringLiteral("Ok"), QStringLiteral("Játék"), {720, 200},
                           [this] { OkClick(); });

    MediaPlayer = CreateMediaPlayer(QStringLiteral("MaxBasisfarben.MediaPlayer"));
    ContinueArtworkToEdges(this);
    Centre();
}

TMaxBasisfarben::~TMaxBasisfarben() = default;

void TMaxBasisfarben::ShowNotice() {
    PlaySound(MediaPlayer.get(), DataFiles::MaxBasisfarbenSound);
    ShowForm();
}

void TMaxBasisfarben::OkClick() {
    CloseSound(MediaPlayer.get());
    Close();
}
