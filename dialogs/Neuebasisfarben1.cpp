#include "dialogs/Neuebasisfarben1.h"

#include "dialogs/Dialoghilfen1.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"

TNeueBasisfarben* NeueBasisfarben = nullptr;

TNeueBasisfarben::TNeueBasisfarben()
    : TForm(QStringLiteral("NeueBasisfarben"), QStringLiteral("NeueBasisfarben"), 808, 601) {
    NeueBasisfarben = this;

    Image1 = new TPicture(this, QStringLiteral("Image1"), 0, 0, 816, 300);
    Image1->LoadDecoration(DataFiles::Banner);
    Image2 = new TPicture(this, QStringLiteral("Image2"), -8, 553, 816, 48);
    Image2->LoadDecoration(DataFiles::BottomBar);
    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), -8, 300, 816, 255, false);
    Image3 = new TPicture(Panel1, QStringLiteral("Image3"), 1, 1, 814, 253);
    Image3->LoadDecoration(DataFiles::NeueBasisfarbenPicture);
    Ok = MakeButton(Panel1, QStringLiteral("Ok"), QStringLiteral("Ok"), 720, 200);
    SetDefaultButton(Ok);
    ConnectClicked(Ok, [this] { OkClick(); });

    MediaPlayer = CreateMediaPlayer(QStringLiteral("NeueBasisfarben.MediaPlayer"));
    ContinueArtworkToEdges(this);
    ContinueArtworkToEdges(Panel1);
    Centre();
}

TNeueBasisfarben::~TNeueBasisfarben() = default;

void TNeueBasisfarben::ShowNotice() {
    PlaySound(MediaPlayer.get(), DataFiles::NeueBasisfarbenSound);
    ShowModal();
}

void TNeueBasisfarben::OkClick() {
    CloseSound(MediaPlayer.get());
    Close();
}
