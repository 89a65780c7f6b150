#include "screens/Spielschirm1.h"

#include "colour/Basisfarbe1.h"
#include "colour/Chargenschwankungen1.h"
#include "colour/Historie1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "colour/Tonvorlage1.h"
#include "dialogs/Dialoghilfen.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "platform/Clock.h"
#include "platform/Controls.h"
#include "platform/DataFiles.h"
#include "platform/Picture.h"
#include "platform/Toolkit.h"
#include "screens/Dosierschritt.h"
#include "shell/Hardware1.h"
#include "shell/Konfiguration1.h"
#include "shell/Spiel.h"

TSpielschirm* Spielschirm = nullptr;

TSpielschirm::TSpielschirm()
    : TForm(QStringLiteral("Spielschirm"), QStringLiteral("Ausarbeitung von neuen Farbtönen"), 808, 601) {
    Spielschirm = this;
    buildLayout();
    SetKeyTarget(AutoScrollBar);  // the arrow, page, Home and End keys dose here
    OnActivate = [this] { FormActivate(); };
    ContinueArtworkToEdges(this);
    Centre();
}

TSpielschirm::~TSpielschirm() = default;

void TSpielschirm::buildLayout() {
    Image2 = MakeDecoration(this, QStringLiteral("Image2"), DataFiles::TopBar, 0, 0, 801, 49);
    Image3 = MakeDecoration(this, QStringLiteral("Image3"), DataFiles::BottomBar, -2, 553, 816, 45);
    // An invisible click area lying on the bottom bar.
    Boss = new TClickArea(this, QStringLiteral("Boss"), 31, 572, 33, 13);
    Boss->OnClick = [this] { BossKey(); };

    Panel1 = new TColourBox(this, QStringLiteral("Panel1"), 0, 45, 816, 505, false);

    QList<QWidget*> titles;
    titles << MakeTitleBox(Panel1, QStringLiteral("TitelAnleitung"), QStringLiteral("StaticText4"),
                           QStringLiteral(" Alapszínek"), 9, 9, 398, 28);
    AutoBasisfarben = MakeGroupBox(Panel1, QStringLiteral("AutoBasisfarben"), 9, 26, 398, 287);
    AutoBasisfarben->setFont(ArialFont(13, true));
    MediaPlayer = CreateMediaPlayer(QStringLiteral("Spielschirm.MediaPlayer"));

    // The shade box: target sample beside the test panel.
    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox8"), QStringLiteral("StaticText5"),
                           QStringLiteral(" Farbton"), 9, 322, 398, 28);
    GroupBox2 = MakeGroupBox(Panel1, QStringLiteral("GroupBox2"), 9, 333, 398, 159);
    AutoTonvorlageImage = new TPicture(GroupBox2, QStringLiteral("AutoTonvorlageImage"), 15, 23, 186, 106);
    AutoTonvorlageImage->OnClick = [this] { AutoTonvorlageImageClick(); };
    Label1 = MakeLabel(GroupBox2, QStringLiteral("Label1"), QStringLiteral("Színminta"), 55, 133, 100, 16);
    AutoChargenblechImage = new TPicture(GroupBox2, QStringLiteral("AutoChargenblechImage"), 200, 23, 186, 106);
    AutoChargenblechImage->OnClick = [this] { AutoTonvorlageImageClick(); };
    Label2 = MakeLabel(GroupBox2, QStringLiteral("Label2"), QStringLiteral("Blech"), 272, 134, 110, 16);

    // The dosing column: tube, track bar, jet and pot.
    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox7"), QStringLiteral("StaticText3"),
                           QStringLiteral(" Mennyiség"), 426, 9, 165, 28);
    GroupBox6 = MakeGroupBox(Panel1, QStringLiteral("GroupBox6"), 426, 25, 165, 412);
    // The tube stands on its group box's own colour, whatever that is.
    AuswahlTube = new TTransparentPicture(GroupBox6, QStringLiteral("AuswahlTube"), 32, 14, 97, 221);
    AuswahlTube->LoadFromFile(DataFiles::Tube);
    AuswahlTube->OnClick = [this] { AutoScrollBar1Change(); };
    AuswahlTube->hide();
    AutoScrollBar = new TTrackBar(GroupBox6, QStringLiteral("AutoScrollBar"), 84, 36, 36, 149);
    AutoScrollBar->SetMin(0);
    AutoScrollBar->SetMax(100);
    AutoScrollBar->setPageStep(1);
    AutoScrollBar->setTickInterval(10);
    AutoScrollBar->OnKeyPress = [this](int key) { AutoScrollBarKeyPress(key); };
    AutoScrollBar->hide();
    AuswahlStrahl = MakeArtwork(GroupBox6, QStringLiteral("AuswahlStrahl"), DataFiles::Strahl, 29, 217, 96, 85);
    AuswahlStrahl->hide();
    AuswahlTopf = MakeArtwork(GroupBox6, QStringLiteral("AuswahlTopf"), DataFiles::Topf, 27, 299, 106, 101);
    AuswahlTopf->OnClick = [this] { AutoScrollBar1Change(); };

    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox3"), QStringLiteral("StaticText1"),
                           QStringLiteral(" Recept"), 609, 9, 188, 28);
    auto* groupBox1 = MakeGroupBox(Panel1, QStringLiteral("GroupBox1"), 609, 25, 188, 223);
    Rezept = new TStringGrid(groupBox1, QStringLiteral("Rezept"), 14, 20, 163, 188, 3, 5, 50);
    Rezept->setEnabled(false);
    Rezept->hide();

    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox5"), QStringLiteral("StaticText2"),
                           QStringLiteral(" Tónus történet"), 609, 253, 188, 28);
    auto* groupBox4 = MakeGroupBox(Panel1, QStringLiteral("GroupBox4"), 609, 269, 188, 160);
    AnzeigeHistorie = new TStringGrid(groupBox4, QStringLiteral("AnzeigeHistorie"), 10, 16, 168, 133, 4, 5, 30);
    AnzeigeHistorie->hide();

    titles << MakeTitleBox(Panel1, QStringLiteral("GroupBox10"), QStringLiteral("StaticText6"),
                           QStringLiteral(" Pontok"), 424, 438, 168, 28);
    Kosten = MakeGroupBox(Panel1, QStringLiteral("Kosten"), 424, 456, 168, 36);
    Punkte = MakeLabel(Kosten, QStringLiteral("Punkte"), QStringLiteral(" pont"), 2, 13, 164, 19, 13);

    RezeptAusliefern =
        MakeButton(Panel1, QStringLiteral("RezeptAusliefern"), QStringLiteral("A recept kész!"), 611, 458, 87, 24);
    ConnectClicked(RezeptAusliefern, [this] { RezeptAusliefernClick(); });
    Ende = MakeButton(Panel1, QStringLiteral("Ende"), QStringLiteral("Vissza"), 710, 458, 87, 24);
    ConnectClicked(Ende, [this] { ProgrammEnde(); });

    // The title strips lie over the top edge of the boxes they title.
    for (QWidget* title : titles)
        title->raise();
}

void TSpielschirm::FormShow() {
    PrepareGame();
    ShowModal();
    Close();
}

void TSpielschirm::PrepareGame() {
    Mischregal->Layout(QString(), AutoBasisfarben, AuswahlStrahl, AuswahlTube, AnzeigeHistorie, Rezept, AutoScrollBar);
    AktuelleTonvorlage->Paint(AutoTonvorlageImage);
    Spiel->BatchAkzeptiert = false;
    Spiel->Blech = std::make_unique<TChargenblech>(AutoChargenblechImage, Mischregal);
    Spiel->Historie = std::make_unique<THistorie>(Mischregal);
    TChargenblech* blech = Spiel->Blech.get();
    Label2->setText(blech->Name);
    blech->Lab.CompareWith(AktuelleTonvorlage->Lab);
    Mischregal->DeselectAll();
    blech->Rezeptur->ClearGrid();
    Rezept->hide();
    AnzeigeHistorie->hide();
    AuswahlTube->hide();
    AutoScrollBar->hide();
    AutoScrollBar->SetPosition(0);
    // The pot of the last game is emptied: a new game starts from the empty
    // pot, as from the empty test panel.
    AuswahlTopf->LoadDecoration(DataFiles::Topf);
}

void TSpielschirm::RefreshPoints() { Punkte->setText(PointsText(Punktestand)); }

void TSpielschirm::AutoScrollBar1Change() {
    if (Mischregal->SelectedIndex == -1 || !Spiel->Laeuft())
        return;
    ShowJet(AuswahlStrahl);
    Chargenschwankungen->Check(Mischregal);
    TChargenblech* blech = Spiel->Blech.get();
    TakeAddition(blech, AutoChargenblechImage);
    AuswahlTopf->FloodFill(FillPoints::PotPaint, ToQColor(blech->Colour));
    BookAddition(MediaPlayer.get(), KostenLabordosierung, Spiel->Historie.get());

    TBasisfarbe* farbe = Mischregal->Basisfarben[Mischregal->SelectedIndex].get();
    const int pause = DosingPause(farbe->Amount - farbe->PreviousAmount);
    if (pause > 0)
        Clock().Sleep(pause);
    AuswahlStrahl->hide();
    farbe->PreviousAmount = farbe->Amount;
    Spiel->PunkteZeigen();
}

void TSpielschirm::FormActivate() {
    // A late activation that reaches the screen after it was closed
    // (production running, game over) must not dose with the production
    // screen's track bar.
    if (isVisible())
        AutoScrollBar1Change();
}

void TSpielschirm::AutoScrollBarKeyPress(int key) {
    if (key == TTrackBar::EnterKey)
        AutoScrollBar1Change();
}

void TSpielschirm::AutoTonvorlageImageClick() {
    Farbenpruefung->ShowCheck(AktuelleTonvorlage, Spiel->Blech.get());
    Spiel->PunkteZeigen();
}

void TSpielschirm::RezeptAusliefernClick() {
    Produktionsbeschluss->ShowDecision(Spiel->Blech.get());
    Spiel->PunkteZeigen();
}

void TSpielschirm::BossKey() {
    if (!Spiel->Blech)
        return;
    Mischregal->DeselectAll();
    AuswahlStrahl->hide();
    AuswahlTube->hide();
    AutoScrollBar->hide();

    TChargenblech* blech = Spiel->Blech.get();
    TRezeptur* rezept = blech->Rezeptur.get();
    for (int k = 0; k < rezept->Count; ++k) {
        rezept->Amounts[k] = 0.0;
        const int index = rezept->Indices[k];
        if (index >= 0 && index < Mischregal->Count)
            Mischregal->Basisfarben[index]->Amount = 0.0;
        rezept->Indices[k] = -1;
    }

    const TRezeptur* loesung = AktuelleTonvorlage->Rezeptur.get();
    if (int(rezept->Indices.size()) < loesung->Count) {
        rezept->Indices.resize(loesung->Count, -1);
        rezept->Amounts.resize(loesung->Count, 0.0);
    }
    rezept->Count = loesung->Count;
    for (int k = 0; k < loesung->Count; ++k) {
        rezept->Indices[k] = loesung->Indices[k];
        rezept->Amounts[k] = loesung->Amounts[k];
        TBasisfarbe* farbe = Mischregal->Basisfarben[loesung->Indices[k]].get();
        farbe->Amount = loesung->Amounts[k];
        farbe->PreviousAmount = loesung->Amounts[k];
    }

    Mischregal->CountUsed();
    RefreshPanel(blech, AutoChargenblechImage);
    Spiel->PunkteZeigen();
}

void TSpielschirm::ProgrammEnde() { Spiel->Beenden(); }
