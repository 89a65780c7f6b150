#include "dialogs/Farbenpruefung1.h"

#include "colour/Mischregal1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Dialoghilfen.h"
#include "platform/Controls.h"
#include "platform/Toolkit.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

TFarbenpruefung* Farbenpruefung = nullptr;

TFarbenpruefung::TFarbenpruefung()
    : TForm(QStringLiteral("Farbenpruefung"), QStringLiteral("Farbenüberprüfung"), 808, 601) {
    Farbenpruefung = this;

    const TNoticeFrame frame =
        MakeNoticeFrame(this, DataFiles::Banner, {0, 0, 816, 300}, {0, 553, 816, 48}, {0, 300, 816, 255});
    Image1 = frame.Banner;
    Image2 = frame.Strip;
    Panel1 = frame.Panel;

    // The surround starts in the panel's own grey.
    GroupBox1 = new TColourBox(Panel1, QStringLiteral("GroupBox1"), 38, 4, 517, 227);
    TVBild = new TPicture(GroupBox1, QStringLiteral("TVBild"), 23, 37, 206, 158);
    NFBild = new TPicture(GroupBox1, QStringLiteral("NFBild"), 228, 37, 206, 158);
    Label1 = MakeLabel(GroupBox1, QStringLiteral("Label1"), QStringLiteral("Színminta"), 64, 198, 89, 20, 16, true);
    Label2 =
        MakeLabel(GroupBox1, QStringLiteral("Label2"), QStringLiteral("Chargenblech"), 277, 198, 112, 20, 16, true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    GroupBox8 = new TColourBox(Panel1, QStringLiteral("GroupBox8"), 38, 3, 517, 27);
    StaticText5 = MakeTitleStrip(GroupBox8, QStringLiteral("StaticText5"), QStringLiteral(" Farbton"), 2, 7, 513, 18);

    Zwischenraum = MakeButton(Panel1, QStringLiteral("Zwischenraum"), QStringLiteral("Zwischenraum"), 627, 160);
    // The long caption fits the button in the narrow cut of the font, a few
    // pixels clear of the frame on each side.
    Zwischenraum->setFont(NarrowFont(12));
    Umfeld = MakeButton(Panel1, QStringLiteral("Umfeld"), QStringLiteral("Umfeld"), 719, 160);
    Button2 = MakeButton(Panel1, QStringLiteral("Button2"), QStringLiteral("Wechseln"), 628, 200);
    Button1 = MakeConfirmButton(this, Panel1, QStringLiteral("Button1"), QStringLiteral("Játék"), {720, 200},
                                [this] { Button1Click(); });

    ConnectClicked(Zwischenraum, [this] { ZwischenraumClick(); });
    ConnectClicked(Umfeld, [this] { UmfeldClick(); });
    ConnectClicked(Button2, [this] { Button2Click(); });

    SavedColour = palette().color(QPalette::Window);
    ContinueArtworkToEdges(this);
    Centre();
}

void TFarbenpruefung::ShowCheck(TTonvorlage* target, TChargenblech* panel) {
    if (!target || !panel)
        return;
    target_ = target;
    panel_ = panel;
    Swapped = 0;
    Gap = 0;
    Surround = 0;
    SavedColour = palette().color(QPalette::Window);
    // The surround keeps whatever colour it was left with.
    Punktestand += KostenFarbenpruefung;
    PaintSamples();
}

// The test panel belongs to the game in the laboratory; once that game is
// over the panel is gone, and the check, still open, must not read it.
TChargenblech* TFarbenpruefung::LivePanel() const {
    if (!panel_ || !Spiel || Spiel->Blech.get() != panel_)
        return nullptr;
    return panel_;
}

void TFarbenpruefung::PaintSamples() {
    TChargenblech* panel = LivePanel();
    if (!target_ || !panel) {
        Close();
        return;
    }
    QColor left = ToQColor(target_->Colour);
    QColor right = ToQColor(panel->Colour);
    QString leftName = target_->Name;
    QString rightName = panel->Name;
    if (Swapped == 1) {
        std::swap(left, right);
        std::swap(leftName, rightName);
    }
    SetGrowingText(Label1, leftName, 89);
    SetGrowingText(Label2, rightName, 112);
    TVBild->FillClip(left);
    NFBild->move(TVBild->x() + TVBild->width() + Gap, NFBild->y());
    NFBild->FillClip(right);
    ShowForm();
}

void TFarbenpruefung::ZwischenraumClick() {
    Gap = Gap == 0 ? 50 : 0;
    PaintSamples();
}

void TFarbenpruefung::Button2Click() {
    Swapped = 1 - Swapped;
    PaintSamples();
}

void TFarbenpruefung::UmfeldClick() {
    Surround = 1 - Surround;
    if (Surround == 1) {
        const int red = Zufallszahl(255);
        const int green = Zufallszahl(255);
        const int blue = Zufallszahl(255);
        GroupBox1->SetColour(QColor(red, green, blue));
    } else {
        GroupBox1->SetColour(SavedColour);
    }
}

void TFarbenpruefung::Button1Click() { Close(); }
