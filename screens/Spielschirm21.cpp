#include "screens/Spielschirm21.h"

#include "colour/Basisfarbe1.h"
#include "colour/Chargenschwankungen1.h"
#include "colour/Historie1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Autoproduktion1.h"
#include "dialogs/Dialoghilfen.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Ueberlauf1.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DataFiles.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "screens/Dosierschritt.h"
#include "screens/Spielschirm1.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

#include <algorithm>

TSpielschirm2* Spielschirm2 = nullptr;

namespace {
// The vessel holds 12000 units; its level line runs over 130 pixel rows.
constexpr double VesselUnits = 12000.0;
constexpr double VesselRows = 130.0;

QColor buttonFace() { return ToQColor(clBtnFace); }
}  // namespace

TSpielschirm2::TSpielschirm2()
    : TForm(QStringLiteral("Spielschirm2"), QStringLiteral("Tönen von Lackchargen in der Produktion"), 808, 601) {
    Spielschirm2 = this;
    buildLayout();
    SetKeyTarget(AutoScrollBar);  // the arrow, page, Home and End keys dose here
    ContinueArtworkToEdges(this);
    Centre();
}

TSpielschirm2::~TSpielschirm2() = default;

void TSpielschirm2::buildLayout() {
    Image2 = MakeDecoration(this, QStringLiteral("Image2"), DataFiles::TopBar, 0, 0, 807, 48);
    Image4 = MakeDecoration(this, QStringLiteral("Image4"), DataFiles::BottomBar, 0, 553, 816, 45);
    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), 0, 45, 816, 505, false);

    QList<QWidget*> titles;
    titles << MakeTitleBox(Panel1, QStringLiteral("TitelAnleitung"), QStringLiteral("StaticText4"),
                           QStringLiteral(" Basisfarben"), 6, 9, 306, 28);
    AutoBasisfarben = MakeGroupBox(Panel1, QStringLiteral("AutoBasisfarben"), 6, 26, 306, 457);
    AutoBasisfarben->setFont(ArialFont(13, true));
    MediaPlayer2 = CreateMediaPlayer(QStringLiteral("Spielschirm2.MediaPlayer2"));

    // The dosing column: tube, track bar, jet and the vessel.
    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox12"), QStringLiteral("StaticText3"),
                           QStringLiteral(" Dosierung"), 319, 9, 195, 28);
    Dosierung = MakeGroupBox(Panel1, QStringLiteral("Dosierung"), 319, 25, 195, 458);
    // The tube stands on its group box's own colour, whatever that is.
    AuswahlTube = new TTransparentPicture(Dosierung, QStringLiteral("AuswahlTube"), 19, 23, 159, 202);
    AuswahlTube->LoadFromFile(DataFiles::Tube);
    AuswahlTube->OnClick = [this] { AutoScrollBarChange(); };
    AuswahlTube->hide();
    AutoScrollBar = new TTrackBar(Dosierung, QStringLiteral("AutoScrollBar"), 128, 31, 41, 146);
    AutoScrollBar->SetMin(0);
    AutoScrollBar->SetMax(5000);
    AutoScrollBar->setPageStep(50);
    AutoScrollBar->setTickInterval(500);
    AutoScrollBar->OnKeyPress = [this](int key) { AutoScrollBarKeyPress(key); };
    AutoScrollBar->hide();
    AuswahlStrahl = MakeArtwork(Dosierung, QStringLiteral("AuswahlStrahl"), DataFiles::Strahl, 53, 210, 81, 93);
    AuswahlStrahl->hide();
    // The vessel, like the tube, stands on the group box's colour: at an
    // overflow the box takes the batch colour around it.
    AuswahlEimer = new TTransparentPicture(Dosierung, QStringLiteral("AuswahlEimer"), 42, 304, 115, 145);

    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox9"), QStringLiteral("StaticText1"),
                           QStringLiteral(" Rezeptur"), 520, 9, 134, 28);
    auto* groupBox8 = MakeGroupBox(Panel1, QStringLiteral("GroupBox8"), 520, 24, 134, 223);
    Rezept = new TStringGrid(groupBox8, QStringLiteral("Rezept"), 6, 20, 122, 189, 2, 5, 64);
    Rezept->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Rezept->setEnabled(false);

    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox10"), QStringLiteral("StaticText2"),
                           QStringLiteral(" Tönhistorie"), 661, 9, 141, 28);
    auto* groupBox4 = MakeGroupBox(Panel1, QStringLiteral("GroupBox4"), 661, 27, 141, 220);
    AnzeigeHistorie = new TStringGrid(groupBox4, QStringLiteral("AnzeigeHistorie"), 6, 14, 129, 200, 3, 2, 50);
    AnzeigeHistorie->hide();

    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox1"), QStringLiteral("StaticText6"),
                           QStringLiteral(" Kosten"), 520, 251, 283, 28);
    Kosten = MakeGroupBox(Panel1, QStringLiteral("Kosten"), 520, 270, 283, 35);
    Punkte = MakeLabel(Kosten, QStringLiteral("Punkte"), QStringLiteral(" pont"), 2, 13, 278, 19, 13);

    // The shade box: target sample beside the batch panel.
    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox13"), QStringLiteral("StaticText5"),
                           QStringLiteral(" Farbton"), 520, 306, 283, 28);
    GroupBox6 = MakeGroupBox(Panel1, QStringLiteral("GroupBox6"), 520, 317, 283, 134);
    AutoTonvorlageImage = new TPicture(GroupBox6, QStringLiteral("AutoTonvorlageImage"), 15, 23, 127, 88);
    AutoTonvorlageImage->OnClick = [this] { TestenClick(); };
    Label1 = MakeLabel(GroupBox6, QStringLiteral("Label1"), QStringLiteral("Tonvorlage"), 39, 115, 90, 16);
    AutoChargenblechImage = new TPicture(GroupBox6, QStringLiteral("AutoChargenblechImage"), 141, 23, 127, 88);
    AutoChargenblechImage->OnClick = [this] { TestenClick(); };
    Label2 = MakeLabel(GroupBox6, QStringLiteral("Label2"), QStringLiteral("Chargenblech"), 175, 115, 100, 16);

    BatchAusliefern =
        MakeButton(Panel1, QStringLiteral("BatchAusliefern"), QStringLiteral("Batch ausliefern"), 620, 459, 82, 25);
    // The long caption fits the narrow button in the narrow cut of the font,
    // a few pixels clear of the frame on each side.
    BatchAusliefern->setFont(NarrowFont(12));
    ConnectClicked(BatchAusliefern, [this] { BatchAusliefernClick(); });
    Ende = MakeButton(Panel1, QStringLiteral("Ende"), QStringLiteral("Vége"), 720, 459, 80, 25);
    ConnectClicked(Ende, [this] { ProgrammEnde(); });

    for (QWidget* title : titles)
        title->raise();
}

void TSpielschirm2::ProduktionStarten() {
    if (!Spiel->Laeuft())
        return;  // the game was abandoned meanwhile: nothing to produce
    PrepareProduction();
    ShowModal();
}

void TSpielschirm2::PrepareProduction() {
    // The vessel is read before anything changes: without it the laboratory
    // goes on as it was, instead of a game with neither screen.
    AuswahlEimer->LoadFromFile(DataFiles::Tonne);
    Mischregal->Layout(QString(), AutoBasisfarben, AuswahlStrahl, AuswahlTube, AnzeigeHistorie, Rezept, AutoScrollBar);
    AutoScrollBar->SetMax(ProductionTrackBarMax(0, 0));
    AktuelleTonvorlage->Paint(AutoTonvorlageImage);
    // The laboratory's dialogs belong to the recipe that is now settled.
    Spiel->LaborDialogeSchliessen();
    Spiel->Historie->Clear(Mischregal);
    Spiel->Blech->Rezeptur->Grid = Rezept;
    ChargeAnsetzen();
    Spiel->Blech->Lab.CompareWith(AktuelleTonvorlage->Lab);
    hideDosing();
    Mischregal->SelectedIndex = -1;
    Mischregal->DeselectAll();
    AnzeigeHistorie->SetRowCount(0);
    AnzeigeHistorie->SetColCount(0);
    CloseSound(Spielschirm->MediaPlayer.get());
    Spielschirm->Close();
    Spiel->PunkteZeigen();
    TonneZeichnen(true);
}

void TSpielschirm2::RefreshPoints() { Punkte->setText(PointsText(Punktestand)); }

void TSpielschirm2::hideDosing() {
    AuswahlTube->hide();
    AutoScrollBar->hide();
    AutoScrollBar->SetMin(0);
    AutoScrollBar->SetMax(ProductionTrackBarMax(0, 0));
    AutoScrollBar->SetPosition(0);
}

void TSpielschirm2::ChargeAnsetzen() {
    TChargenblech* blech = Spiel->Blech.get();
    TRezeptur* rezept = blech->Rezeptur.get();
    for (auto& farbe : Mischregal->Basisfarben) {
        farbe->Amount = 0.0;
        farbe->BatchAmount = 0.0;
    }

    double sum = 0.0;
    for (int k = 0; k < rezept->Count; ++k)
        if (rezept->Amounts[k] > 0.0)
            sum += rezept->Amounts[k];
    if (sum <= 0.0)
        sum = 1.0;
    for (int k = 0; k < rezept->Count; ++k)
        if (rezept->Amounts[k] > 0.0)
            rezept->Amounts[k] = rezept->Amounts[k] / sum * 100.0;

    // The batch is 10000 units; a share below 1 % stays out of it.
    double largest = -99.0;
    TBasisfarbe* main = nullptr;
    int mainRow = -1;
    for (int k = 0; k < rezept->Count; ++k) {
        rezept->Amounts[k] = rezept->Amounts[k] * 100.0;
        const int index = rezept->Indices[k];
        if (index < 0 || index >= Mischregal->Count)
            continue;
        TBasisfarbe* farbe = Mischregal->Basisfarben[index].get();
        farbe->Amount = rezept->Amounts[k] < 100.0 ? 0.0 : rezept->Amounts[k];
        farbe->BatchAmount = farbe->Amount;
        if (farbe->Amount > largest) {
            largest = farbe->Amount;
            main = farbe;
            mainRow = k;
        }
        farbe->PreviousAmount = farbe->Amount;
    }

    // The main component is under-dosed to 60 %.
    if (main) {
        const int reduced = int(largest * 0.6);
        main->Amount = reduced;
        main->PreviousAmount = reduced;
        rezept->Amounts[mainRow] = reduced;
    }

    Mischregal->CountUsed();
    RefreshPanel(blech, AutoChargenblechImage);
}

int TSpielschirm2::LevelRow(double units) { return int(VesselRows - units * (1.0 / VesselUnits) * VesselRows); }

bool TSpielschirm2::TonneZeichnen(bool firstDrawing) {
    TChargenblech* blech = Spiel->Blech.get();
    TRezeptur* rezept = blech->Rezeptur.get();
    if (firstDrawing) {
        Dosierung->SetColour(buttonFace());
        lastLevelRow_ = -1;
        AuswahlEimer->LoadFromFile(DataFiles::Tonne);
        // The old paint is taken away in the picture's own empty colour: the
        // desktop's button colour (the theme's) need not be the picture's,
        // and the paint would then never come back after the first dose.
        emptyInside_ = QColor::fromRgb(AuswahlEimer->Pixel(FillPoints::VesselEmptyColour));
    }

    double sum = 0.0;
    for (int k = 0; k < rezept->Count; ++k)
        sum += rezept->Amounts[k];
    const int row = LevelRow(sum);
    const int right = AuswahlEimer->PictureWidth() - 4;

    // Take the old level and its paint away.
    if (lastLevelRow_ != -1) {
        AuswahlEimer->Line(5, lastLevelRow_, right, lastLevelRow_, emptyInside_);
        AuswahlEimer->FloodFill(FillPoints::VesselInside, emptyInside_);
    }
    lastLevelRow_ = row;
    // Above the top the line is drawn at the brim, so a vessel that runs
    // over reads as full and not as an empty frame on the spilled paint.
    const int lineRow = std::max(row, 0);
    AuswahlEimer->Line(5, lineRow, right, lineRow, Qt::black);
    // Paint the empty inside below the new line in the batch colour.
    const QColor batch = ToQColor(blech->Colour);
    if (AuswahlEimer->Pixel(FillPoints::VesselInside) == AuswahlEimer->Pixel(FillPoints::VesselEmptyColour))
        AuswahlEimer->FloodFill(FillPoints::VesselInside, batch);
    return row <= 0;
}

void TSpielschirm2::Ueberlaufen() {
    TChargenblech* blech = Spiel->Blech.get();
    TRezeptur* rezept = blech->Rezeptur.get();
    const QColor batch = ToQColor(blech->Colour);
    // The spill shows in the batch colour, half the batch goes.
    Dosierung->SetColour(batch);
    Dosierung->repaint();
    Clock().Sleep(2000);
    if (Ueberlauf->Image4)
        Ueberlauf->Image4->FloodFill(FillPoints::Puddle, batch);
    if (Ueberlauf->Image3)
        Ueberlauf->Image3->FloodFill(FillPoints::Drum, batch);
    Ueberlauf->ShowNotice();

    for (int k = 0; k < rezept->Count; ++k) {
        if (rezept->Amounts[k] > 0.0)
            rezept->Amounts[k] = rezept->Amounts[k] / 2.0;
        const int index = rezept->Indices[k];
        if (index < 0 || index >= Mischregal->Count)
            continue;
        TBasisfarbe* farbe = Mischregal->Basisfarben[index].get();
        farbe->Amount = rezept->Amounts[k];
        farbe->PreviousAmount = rezept->Amounts[k];
    }
    Mischregal->CountUsed();
    rezept->FillFromShelf(Mischregal);
    Mischregal->SelectedIndex = -1;
    Mischregal->DeselectAll();
    hideDosing();
    TonneZeichnen(true);
}

// While the overflow notice waits for its Ok, or once quality control has
// accepted the batch, the batch is not touched: the notice (or the verdict)
// comes to the front instead. Were the batch dosed or delivered meanwhile, an
// overflow would be charged once for two, or a total written without its
// 5000, or one game recorded twice.
bool TSpielschirm2::waitingForDialog() {
    TForm* pending = nullptr;
    if (Ueberlauf && Ueberlauf->isVisible())
        pending = Ueberlauf;
    else if (Spiel->BatchAkzeptiert && Autoproduktion)
        pending = Autoproduktion;
    if (!pending)
        return false;
    if (pending->isVisible())
        pending->ShowForm();
    return true;
}

void TSpielschirm2::AutoScrollBarChange() {
    TChargenblech* blech = Spiel->Blech.get();
    THistorie* historie = Spiel->Historie.get();
    if (Mischregal->SelectedIndex == -1 || !blech || !historie || waitingForDialog())
        return;
    Chargenschwankungen->Check(Mischregal);
    ShowJet(AuswahlStrahl);
    TakeAddition(blech, AutoChargenblechImage);
    BookAddition(MediaPlayer2.get(), KostenProduktionsdosierung, historie);

    TBasisfarbe* farbe = Mischregal->Basisfarben[Mischregal->SelectedIndex].get();
    const double added = farbe->Amount - farbe->PreviousAmount;
    farbe->PreviousAmount = farbe->Amount;
    const int pause = DosingPause(added);
    if (pause > 0)
        Clock().Sleep(pause);
    AuswahlStrahl->hide();

    if (TonneZeichnen(false)) {
        Ueberlaufen();
        return;  // the overflow notice's Ok shows the new total
    }
    AutoScrollBar->SetMax(ProductionTrackBarMax(farbe->Amount, farbe->BatchAmount));
    AutoScrollBar->SetMin(int(farbe->Amount));
    AutoScrollBar->SetPosition(int(farbe->Amount));
    Spiel->PunkteZeigen();
}

void TSpielschirm2::AutoScrollBarKeyPress(int key) {
    if (key == TTrackBar::EnterKey)
        AutoScrollBarChange();
}

void TSpielschirm2::TestenClick() {
    if (!Spiel->Blech || waitingForDialog())
        return;
    Farbenpruefung->ShowCheck(AktuelleTonvorlage, Spiel->Blech.get());
    Spiel->PunkteZeigen();
}

void TSpielschirm2::BatchAusliefernClick() {
    TChargenblech* blech = Spiel->Blech.get();
    if (!blech || waitingForDialog())
        return;
    blech->ApplyDeviation(1);
    blech->Lab.SetFromRGB(blech->Rgb);
    blech->Lab.CompareWith(AktuelleTonvorlage->Lab);
    Autoproduktion->ShowVerdict(AktuelleTonvorlage, blech);
    // Quality control is done: the plain mixture again.
    if (Spiel->Blech)
        RefreshPanel(Spiel->Blech.get(), AutoChargenblechImage);
    Spiel->PunkteZeigen();
}

void TSpielschirm2::ProgrammEnde() { Spiel->Beenden(); }
