// The laboratory screen: a fresh game, the dosing step with its costs,
// history rows and pauses, the recipe limit, the colour check with the
// screen's activation, the boss key, handing the recipe in, the drift notice
// and leaving the game.
#include "support/ScreenGame.h"

#include "colour/Chargenschwankungen1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Neuebasisfarben1.h"
#include "dialogs/Produktionsbeschluss1.h"
#include "screens/Dosierschritt.h"
#include "shell/Hardware1.h"

#include <QRegularExpression>

class LaboratoryTest : public QObject {
    Q_OBJECT
    ScreenGame game;

private slots:
    void init() { game.Start(); }
    void cleanup() { game.Stop(); }

    void pauseIsTenMillisecondsPerUnitCappedAtHalfASecond();
    void freshGameShowsAnEmptyLaboratory();
    void potWithoutSelectionDoesNothing();
    void dosingChargesRecordsPausesAndPaints();
    void ninthBaseColourIsRefusedUntilOneIsTakenOut();
    void colourCheckAndReturnToTheScreenBothCharge();
    void bossKeyLoadsTheTargetRecipeFreeOfCharge();
    void handingInAlwaysCostsAThousand();
    void driftNoticeHoldsTheDosingStepThenDriftedColoursMix();
    void visszaEndsTheModalRunAndDropsTheGame();
    void leavingClosesTheDialogsThatHoldThePanel();
    void closedLaboratoryIgnoresALateActivation();
};

void LaboratoryTest::pauseIsTenMillisecondsPerUnitCappedAtHalfASecond() {
    // Pause = trunc(added × 10) ms, at most 500, none for 0 or a lowered amount.
    QCOMPARE(DosingPause(40.0), 400);
    QCOMPARE(DosingPause(60.0), 500);
    QCOMPARE(DosingPause(50.0), 500);
    QCOMPARE(DosingPause(49.99), 499);
    QCOMPARE(DosingPause(0.05), 0);
    QCOMPARE(DosingPause(0.0), 0);
    QCOMPARE(DosingPause(-10.0), 0);
    QCOMPARE(DosingPause(1e12), 500);
}

void LaboratoryTest::freshGameShowsAnEmptyLaboratory() {
    // A new game: points 0, a black panel named FQ<n>-<n>, grids, tube and track bar hidden.
    QVERIFY(game.StartLab());
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 0 Punkte"));
    QCOMPARE(Spielschirm->Label2->text(), Spiel->Blech->Name);
    QVERIFY(QRegularExpression(QStringLiteral("^FQ\\d{1,2}-\\d{1,4}$")).match(Spielschirm->Label2->text()).hasMatch());
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AutoChargenblechImage, 90, 50), QColor(0, 0, 0));
    QCOMPARE(Spielschirm->AutoTonvorlageImage->Pixel(90, 50),
             QRgb(ToQColor(AktuelleTonvorlage->Colour).rgb() & 0xFFFFFF));
    QVERIFY(Spielschirm->Rezept->isHidden());
    QVERIFY(Spielschirm->AnzeigeHistorie->isHidden());
    QVERIFY(Spielschirm->AuswahlTube->isHidden());
    QVERIFY(Spielschirm->AutoScrollBar->isHidden());
    QVERIFY(Spielschirm->AuswahlStrahl->isHidden());
    QCOMPARE(Spielschirm->AutoScrollBar->Position(), 0);
    QCOMPARE(Mischregal->SelectedIndex, -1);
    QCOMPARE(Spiel->Historie->Count, 0);
    QCOMPARE(Spielschirm->windowTitle(), QStringLiteral("Ausarbeitung von neuen Farbtönen"));

    // The next game starts from the empty pot, not the last game's mixture.
    const QColor emptyPot = ScreenGame::PixelColour(Spielschirm->AuswahlTopf, 60, 20);
    QVERIFY(ScreenGame::LabDose(7, 40));  // "762" = (255, 150, 150)
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AuswahlTopf, 60, 20), QColor(255, 150, 150));
    QVERIFY(game.StartLab());
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AuswahlTopf, 60, 20), emptyPot);
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AutoChargenblechImage, 90, 50), QColor(0, 0, 0));
}

void LaboratoryTest::potWithoutSelectionDoesNothing() {
    // Without a selected base colour the pot (and the screen's activation) charge nothing.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AuswahlTopf));
    Spielschirm->AutoScrollBar1Change();
    QCOMPARE(Punktestand, 0);
    QCOMPARE(Spiel->Historie->Count, 0);
    QVERIFY(game.clock.Sleeps.isEmpty());
    QVERIFY(Spielschirm->Rezept->isHidden());
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 0 Punkte"));
}

void LaboratoryTest::dosingChargesRecordsPausesAndPaints() {
    // Each dose: +100, a history row of the amount added, a capped pause with the jet shown.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::LabDose(7, 40));  // "762" = (255, 150, 150)
    QCOMPARE(Punktestand, 100);
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 100 Punkte"));
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(0, 1), QStringLiteral("1"));
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(1, 1), QStringLiteral("762"));
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(2, 1), QStringLiteral("   40.00"));
    QCOMPARE(game.clock.Sleeps, QList<int>({400}));
    QCOMPARE(game.clock.JetShownAtSleep, QList<bool>({true}));
    QVERIFY(Spielschirm->AuswahlStrahl->isHidden());
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AutoChargenblechImage, 90, 50), QColor(255, 150, 150));
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AuswahlTopf, 60, 20), QColor(255, 150, 150));
    QVERIFY(!Spielschirm->Rezept->isHidden());
    QCOMPARE(Spielschirm->Rezept->Cell(0, 1), QStringLiteral("762"));
    QCOMPARE(Spielschirm->Rezept->Cell(1, 1), QStringLiteral("   40.00"));
    QVERIFY(FakeMediaLog::Calls().contains(QStringLiteral("Spielschirm.MediaPlayer:FileName=PigmentraLaborFill.wav")));
    QVERIFY(FakeMediaLog::Calls().contains(QStringLiteral("Spielschirm.MediaPlayer:Play")));
    // The selection stays; the track bar keeps its place.
    QCOMPARE(Mischregal->SelectedIndex, 7);
    QCOMPARE(Spielschirm->AutoScrollBar->Position(), 40);

    // 40 → 100 by the keyboard: the swatch click left the focus on the track
    // bar, End moves it, Enter doses (and hands nothing in): 60 added, the
    // pause capped at 500.
    QVERIFY(Player::Key(Qt::Key_End));
    QCOMPARE(Spielschirm->AutoScrollBar->Position(), 100);
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(Punktestand, 200);
    QVERIFY(!Produktionsbeschluss->isVisible());
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(2, 2), QStringLiteral("   60.00"));
    QCOMPARE(game.clock.Sleeps, QList<int>({400, 500}));

    // Another key in the track bar does not dose.
    QVERIFY(Player::Key(Qt::Key_A));
    QCOMPARE(Punktestand, 200);

    // Lowered to 30 by the tube: −70 recorded, no pause, still charged.
    Spielschirm->AutoScrollBar->SetPosition(30);
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AuswahlTube));
    QCOMPARE(Punktestand, 300);
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(2, 3), QStringLiteral("  -70.00"));
    QCOMPARE(game.clock.Sleeps, QList<int>({400, 500}));
    QCOMPARE(ScreenGame::Farbe(7)->PreviousAmount, 30.0);

    // A second colour: the first arrow key after its click moves the track
    // bar. 30 of "762" and 70 of "804" (0, 0, 255) mix to
    // (255·30/100, 150·30/100, (150·30 + 255·70)/100) = (76, 45, 223).
    QVERIFY(ScreenGame::SelectSwatch(12));
    QVERIFY(Player::Key(Qt::Key_Up));
    QCOMPARE(Spielschirm->AutoScrollBar->Position(), 1);
    QVERIFY(ScreenGame::LabDose(12, 70));
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AutoChargenblechImage, 90, 50), QColor(76, 45, 223));
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AuswahlTopf, 60, 20), QColor(76, 45, 223));
    QCOMPARE(Spielschirm->Rezept->Cell(0, 1), QStringLiteral("762"));
    QCOMPARE(Spielschirm->Rezept->Cell(0, 2), QStringLiteral("804"));

    // Ten rows scroll by whole rows: the top row is never cut, and the
    // newest stays wholly in view below it.
    for (int amount = 71; amount <= 76; ++amount)
        QVERIFY(ScreenGame::LabDose(12, amount));
    QCOMPARE(Spiel->Historie->Count, 10);
    const TStringGrid* grid = Spielschirm->AnzeigeHistorie;
    const int top = grid->rowAt(0);
    QVERIFY(top > 0);
    QCOMPARE(grid->rowViewportPosition(top), 0);
    QVERIFY(grid->rowViewportPosition(10) > 0);
    QVERIFY(grid->rowViewportPosition(10) + grid->rowHeight(10) <= grid->viewport()->height());
    QCOMPARE(grid->Cell(2, 10), QStringLiteral("    1.00"));
}

void LaboratoryTest::ninthBaseColourIsRefusedUntilOneIsTakenOut() {
    // Eight colours in use: a ninth is refused; double-click and a dose take one out.
    QVERIFY(game.StartLab());
    for (int i = 0; i < 8; ++i)
        QVERIFY(ScreenGame::LabDose(i, 10));
    QCOMPARE(Mischregal->UsedCount, 8);

    QVERIFY(ScreenGame::SelectSwatch(8));
    QCOMPARE(Mischregal->SelectedIndex, 7);
    QVERIFY(MaxBasisfarben->isVisible());
    MaxBasisfarben->Close();

    // One of the eight can still be picked.
    QVERIFY(ScreenGame::SelectSwatch(3));
    QCOMPARE(Mischregal->SelectedIndex, 3);

    QTest::mouseDClick(ScreenGame::Farbe(3)->Swatch, Qt::LeftButton);
    QCOMPARE(Spielschirm->AutoScrollBar->Position(), 0);
    const int before = Punktestand;
    const auto managers = game.modalForms.count(QStringLiteral("Kundenmanager"));
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AuswahlTopf));
    // 100 for the dose, and 500 if the customer manager came in on this row.
    QCOMPARE(Punktestand - before, 100 + 500 * int(game.modalForms.count(QStringLiteral("Kundenmanager")) - managers));
    QCOMPARE(Mischregal->UsedCount, 7);
    const int row = Spiel->Historie->Count;
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(1, row), QStringLiteral("731"));
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(2, row), QStringLiteral("  -10.00"));
    for (int r = 1; r < Spielschirm->Rezept->RowCount(); ++r)
        QVERIFY(Spielschirm->Rezept->Cell(0, r) != QStringLiteral("731"));

    QVERIFY(ScreenGame::SelectSwatch(8));
    QCOMPARE(Mischregal->SelectedIndex, 8);
}

void LaboratoryTest::colourCheckAndReturnToTheScreenBothCharge() {
    // The check costs 200; coming back to the screen with a colour selected doses again (+100, 0 added).
    QVERIFY(game.StartLab());
    QVERIFY(QTest::qWaitForWindowActive(Spielschirm));
    QVERIFY(ScreenGame::LabDose(7, 40));
    QCOMPARE(Punktestand, 100);

    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AutoTonvorlageImage));
    QCOMPARE(Punktestand, 300);
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 300 Punkte"));
    QVERIFY(Farbenpruefung->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(Farbenpruefung));

    QVERIFY(ClickButton(Farbenpruefung, QStringLiteral("Button1")));
    QVERIFY(!Farbenpruefung->isVisible());
    Spielschirm->activateWindow();
    QTRY_COMPARE(Punktestand, 400);
    QCOMPARE(Spiel->Historie->Count, 2);
    QCOMPARE(Spielschirm->AnzeigeHistorie->Cell(2, 2), QStringLiteral("    0.00"));
    QCOMPARE(game.clock.Sleeps, QList<int>({400}));
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 400 Punkte"));

    // The panel opens the check as well.
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AutoChargenblechImage));
    QCOMPARE(Punktestand, 600);
}

void LaboratoryTest::bossKeyLoadsTheTargetRecipeFreeOfCharge() {
    // The hidden area gives the mixture the target's amounts; no charge, no row, no selection.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::LabDose(7, 40));
    auto* boss = Spielschirm->findChild<QWidget*>(QStringLiteral("Boss"));
    QVERIFY(boss);
    QCOMPARE(boss->geometry(), QRect(31, 572, 33, 13));
    QTest::mouseClick(boss, Qt::LeftButton);

    QCOMPARE(Punktestand, 100);
    QCOMPARE(Spiel->Historie->Count, 1);
    QCOMPARE(Mischregal->SelectedIndex, -1);
    QVERIFY(Spielschirm->AuswahlTube->isHidden());
    QVERIFY(Spielschirm->AutoScrollBar->isHidden());

    const TRezeptur* loesung = AktuelleTonvorlage->Rezeptur.get();
    QVector<double> expected(16, 0.0);
    for (int k = 0; k < loesung->Count; ++k)
        expected[loesung->Indices[k]] = loesung->Amounts[k];
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(ScreenGame::Farbe(i)->Amount, expected[i]);
        QCOMPARE(ScreenGame::Farbe(i)->PreviousAmount, i == 7 && expected[i] == 0.0 ? 40.0 : expected[i]);
    }
    // The recipe grid lists the target's components with an amount, in shelf order.
    int listed = 0;
    for (int i = 0; i < 16; ++i)
        if (expected[i] > 0.0) {
            ++listed;
            QCOMPARE(Spielschirm->Rezept->Cell(0, listed), ScreenGame::Farbe(i)->Code);
        }
    QCOMPARE(Spielschirm->Rezept->RowCount(), listed + 1);
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 100 Punkte"));
}

void LaboratoryTest::handingInAlwaysCostsAThousand() {
    // "A recept kész!" charges 1000 whether the recipe is rejected or accepted.
    QVERIFY(game.StartLab());
    QVERIFY(ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern")));
    QCOMPARE(Punktestand, 1000);
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 1000 Punkte"));
    QVERIFY(!Produktionsbeschluss->RecipeAccepted);  // a black panel is far off the target
    QVERIFY(ClickButton(Produktionsbeschluss, QStringLiteral("Button1")));
    QVERIFY(!Produktionsbeschluss->isVisible());
    QCOMPARE(Konfiguration->Produktionsphase, 0);

    QTest::mouseClick(Spielschirm->Boss, Qt::LeftButton);
    QVERIFY(ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern")));
    QCOMPARE(Punktestand, 2000);
    QVERIFY(Produktionsbeschluss->RecipeAccepted);
    QCOMPARE(Spielschirm->Punkte->text(), QStringLiteral(" 2000 Punkte"));
}

void LaboratoryTest::driftNoticeHoldsTheDosingStepThenDriftedColoursMix() {
    // After 121 s the dose waits for the modal notice, then mixes the drifted colours.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::SelectSwatch(7));
    Spielschirm->AutoScrollBar->SetPosition(40);
    game.clock.AdvanceSeconds(121);

    int pointsDuringNotice = -1;
    bool jetDuringNotice = false;
    game.onModal = [&](TForm* form) {
        if (form == NeueBasisfarben) {
            pointsDuringNotice = Punktestand;
            jetDuringNotice = Spielschirm->AuswahlStrahl->isVisible();
        }
        QVERIFY(ScreenGame::PressDefault(form));
    };
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AuswahlTopf));

    QCOMPARE(game.modalForms, QStringList({QStringLiteral("NeueBasisfarben")}));
    QCOMPARE(pointsDuringNotice, 0);
    QVERIFY(jetDuringNotice);
    QCOMPARE(Punktestand, 100);
    const RgbTriple drifted = ScreenGame::Farbe(7)->Rgb;
    QVERIFY(!(drifted == RgbTriple{255, 150, 150}));
    // One colour alone mixes to its own (drifted) triple; the swatch keeps 762's colour.
    QCOMPARE(Spiel->Blech->Rgb, drifted);
    QCOMPARE(ScreenGame::PixelColour(Spielschirm->AutoChargenblechImage, 90, 50),
             QColor(drifted.Red, drifted.Green, drifted.Blue));
    QCOMPARE(ScreenGame::Farbe(7)->Colour, DisplayColour(255 + 150 * 256 + 150 * 65536));

    // Within the next two minutes no further notice.
    game.clock.AdvanceSeconds(60);
    Spielschirm->AutoScrollBar->SetPosition(50);
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AuswahlTopf));
    QCOMPARE(game.modalForms.size(), 1);
    QCOMPARE(Punktestand, 200);

    // With sound on and the notice's sound missing, the drift still happens:
    // the failure is reported once, this dose goes on (jet gone, charged),
    // and the next action meets no failure.
    Hardware->TonAn = true;
    FakeMediaLog::MissingFiles() << QStringLiteral("PigmentraNeueBasisfarben.wav");
    game.clock.AdvanceSeconds(121);
    std::vector<RgbTriple> shelf;
    for (int i = 0; i < 16; ++i)
        shelf.push_back(ScreenGame::Farbe(i)->Rgb);
    Spielschirm->AutoScrollBar->SetPosition(60);
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AuswahlTopf));
    QCOMPARE(game.env->errors.size(), 1);
    QCOMPARE(Punktestand, 300);
    QVERIFY(Spielschirm->AuswahlStrahl->isHidden());
    bool shifted = false;
    for (int i = 0; i < 16; ++i)
        shifted = shifted || !(ScreenGame::Farbe(i)->Rgb == shelf[size_t(i)]);
    QVERIFY(shifted);
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(game.env->errors.size(), 1);
    QCOMPARE(Punktestand, 400);
}

void LaboratoryTest::visszaEndsTheModalRunAndDropsTheGame() {
    // "Vissza" closes the sound, hides the grids, destroys panel and history and ends FormShow.
    Konfiguration->ApplyLevel(0);
    Konfiguration->Produktionsphase = 0;
    Punktestand = 0;
    bool dosed = false;
    game.onModal = [&](TForm* form) {
        if (form != Spielschirm) {
            QVERIFY(ScreenGame::PressDefault(form));
            return;
        }
        QVERIFY(ScreenGame::LabDose(7, 40));
        dosed = true;
        QVERIFY(ClickButton(Spielschirm, QStringLiteral("Ende")));
    };
    Spielschirm->FormShow();

    QVERIFY(dosed);
    QVERIFY(!Spielschirm->isVisible());
    QVERIFY(!Spiel->Blech);
    QVERIFY(!Spiel->Historie);
    QVERIFY(Spielschirm->Rezept->isHidden());
    QVERIFY(Spielschirm->AnzeigeHistorie->isHidden());
    QCOMPARE(FakeMediaLog::Calls().last(), QStringLiteral("Spielschirm.MediaPlayer:Close"));
    QCOMPARE(Punktestand, 100);

    // With no game, a late activation or the pot is ignored, though a base
    // colour is still selected and the drift is due: no notice of the ended
    // game comes up over the menu, no jet shows, nothing is charged.
    QCOMPARE(Mischregal->SelectedIndex, 7);
    game.clock.AdvanceSeconds(121);
    game.onModal = [](TForm* form) {
        QVERIFY2(form != NeueBasisfarben, "the ended game's laboratory dosed: its drift notice came up");
        QVERIFY(ScreenGame::PressDefault(form));
    };
    Spielschirm->AutoScrollBar1Change();
    Spielschirm->BossKey();
    QVERIFY(!NeueBasisfarben->isVisible());
    QVERIFY(Spielschirm->AuswahlStrahl->isHidden());
    QCOMPARE(Punktestand, 100);
}

void LaboratoryTest::leavingClosesTheDialogsThatHoldThePanel() {
    // "Vissza" destroys the panel, so the colour check and the decision showing it close too.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AutoTonvorlageImage));
    QVERIFY(ClickButton(Spielschirm, QStringLiteral("RezeptAusliefern")));
    QVERIFY(Farbenpruefung->isVisible());
    QVERIFY(Produktionsbeschluss->isVisible());
    QVERIFY(ClickButton(Spielschirm, QStringLiteral("Ende")));
    QVERIFY(!Farbenpruefung->isVisible());
    QVERIFY(!Produktionsbeschluss->isVisible());

    // Production cannot start without the game's panel.
    Spielschirm2->ProduktionStarten();
    QVERIFY(!Spielschirm2->isVisible());
    QVERIFY(game.modalForms.isEmpty());
    QCOMPARE(Punktestand, 1200);
}

void LaboratoryTest::closedLaboratoryIgnoresALateActivation() {
    // An activation that reaches the closed laboratory does not dose.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::LabDose(7, 40));
    Spielschirm->Close();
    Farbenpruefung->ShowForm();
    QVERIFY(QTest::qWaitForWindowActive(Farbenpruefung));
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(Spielschirm, &activate);
    QCOMPARE(Punktestand, 100);
    QCOMPARE(Spiel->Historie->Count, 1);

    // Coming back to the open screen from the check is a dosing step.
    QApplication::sendEvent(Farbenpruefung, &activate);
    Spielschirm->ShowForm();
    QTRY_COMPARE(Punktestand, 200);
}

QTEST_MAIN(LaboratoryTest)
#include "tst_laboratory.moc"
