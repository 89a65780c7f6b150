#include "dialogs/Neuebasisfarben1.h"

#include "dialogs/Dialoghilfen.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"

TNeueBasisfarben* NeueBasisfarben = nullptr;

TNeueBasisfarben::TNeueBasisfarben()
    : TForm(QStringLiteral("NeueBasisfarben"), QStringLiteral("NeueBasisfarben"), 808, 601) {
    NeueBasisfarben = this;

    const TNoticeFrame frame =
        MakeNoticeFrame(this, DataFiles::Banner, {0, 0, 816, 300}, {-8, 553, 816, 48}, {-8, 300, 816, 255});
    Image1 = frame.Banner;
    Image2 = frame.Strip;
    Panel1 = frame.Panel;
    Image3 = new TPicture(Panel1, QStringLiteral("Image3"), 1, 1, 814, 253);
    Image3->LoadDecoration(DataFiles::NeueBasisfarbenPicture);
    Ok = MakeConfirmButton(this, Panel1, QStringLiteral("Ok"), QStringLiteral("Ok"), {720, 200}, [this] { OkClick(); });

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
