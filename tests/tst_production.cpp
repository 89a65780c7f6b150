// The production screen: the laboratory recipe turned into a batch, the
// vessel's level and its overflow, dosing into the batch, delivery to quality
// control, leaving with "Vége", and the track bar of a main component above
// 5000 units.
#include "support/ScreenGame.h"

#include "dialogs/Autoproduktion1.h"
#include "dialogs/Farbenpruefung1.h"
#include "dialogs/Maxbasisfarben1.h"
#include "dialogs/Ueberlauf1.h"
#include "screens/Dosierschritt.h"
#include "shell/Konfiguration1.h"

#include <QDir>
#include <QTemporaryDir>

using Doses = QList<QPair<int, int>>;     // shelf index, laboratory amount
using Batch = QList<QPair<int, double>>;  // shelf index, batch units

Q_DECLARE_METATYPE(Doses)
Q_DECLARE_METATYPE(Batch)

class ProductionTest : public QObject {
    Q_OBJECT
    ScreenGame game;

    // Doses a laboratory recipe and starts production from it.
    [[nodiscard]] bool produce(const Doses& doses, int level = 0) {
        if (!game.StartLab(level))
            return false;
        for (const auto& dose : doses)
            if (!ScreenGame::LabDose(dose.first, dose.second))
                return false;
        game.StartProduction();
        return true;
    }
    static double vesselSum() {
        const TRezeptur* rezept = Spiel->Blech->Rezeptur.get();
        double sum = 0.0;
        for (int k = 0; k < rezept->Count; ++k)
            sum += rezept->Amounts[k];
        return sum;
    }

private slots:
    void init() { game.Start(); }
    void cleanup() { game.Stop(); }

    void batchFromLaboratoryRecipe_data();
    void batchFromLaboratoryRecipe();
    void productionStartsWithTheBatchInTheVessel();
    void levelRowFallsWithTheSum();
    void vesselOverflowsOnlyAboveItsLastRow();
    void overflowHalvesTheBatchAndChargesAtTheNoticesOk();
    void productionDoseOnlyRaisesAndCostsSevenHundred();
    void deliveryJudgesTheDeviatedBatchAndRestoresTheMixture();
    void vegeLeavesWithoutHighscore();
    void batchWaitsForItsOpenNoticeAndVerdict();
    void gameDialogsCloseWhenTheGameMovesOnOrEnds();
    void trackBarReachesAMainComponentAboveFiveThousand();
    void vesselShowsEachDoseUnderAnyDesktopColours();
};

void ProductionTest::batchFromLaboratoryRecipe_data() {
    QTest::addColumn<Doses>("laboratory");
    QTest::addColumn<Batch>("batch");
    // Shares of 10000 units; the largest (the earlier of equal ones) × 0.6, truncated.
    QTest::newRow("40/60") << Doses{{0, 40}, {12, 60}} << Batch{{0, 4000}, {12, 3600}};
    QTest::newRow("30/30/40") << Doses{{0, 30}, {4, 30}, {12, 40}} << Batch{{0, 3000}, {4, 3000}, {12, 2400}};
    QTest::newRow("50/50 earlier reduced") << Doses{{0, 50}, {4, 50}} << Batch{{0, 3000}, {4, 5000}};
    // 1 of 101 parts is 99 units, below 1 %: left out. 60/101 → 5940.59 × 0.6 → 3564.
    QTest::newRow("share under 1 %") << Doses{{0, 60}, {8, 40}, {4, 1}}
                                     << Batch{{0, 3564}, {8, 40.0 / 101.0 * 100.0 * 100.0}, {4, 0}};
}

void ProductionTest::batchFromLaboratoryRecipe() {
    // The laboratory recipe becomes a 10000-unit batch with the main component at 60 %.
    QFETCH(Doses, laboratory);
    QFETCH(Batch, batch);
    QVERIFY(produce(laboratory));
    int inBatch = 0;
    for (const auto& entry : batch) {
        QCOMPARE(ScreenGame::Farbe(entry.first)->Amount, entry.second);
        QCOMPARE(ScreenGame::Farbe(entry.first)->PreviousAmount, entry.second);
        if (entry.second > 0)
            ++inBatch;
    }
    QCOMPARE(Mischregal->UsedCount, inBatch);
    QCOMPARE(Spiel->Blech->Rezeptur->Count, inBatch);
    QCOMPARE(Spielschirm2->Rezept->RowCount(), inBatch + 1);
}

void ProductionTest::productionStartsWithTheBatchInTheVessel() {
    // 40/60 → 4000 + 3600 = 7600 units: level row 130 − 7600·130/12000 = 47.67 → 47.
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QCOMPARE(Spielschirm2->LastLevelRow(), 47);
    QCOMPARE(Spielschirm2->Rezept->Cell(0, 1), QStringLiteral("712"));
    QCOMPARE(Spielschirm2->Rezept->Cell(1, 1), QStringLiteral(" 4000.00"));
    QCOMPARE(Spielschirm2->Rezept->Cell(0, 2), QStringLiteral("804"));
    QCOMPARE(Spielschirm2->Rezept->Cell(1, 2), QStringLiteral(" 3600.00"));

    // 4000 × (255, 255, 0) and 3600 × (0, 0, 255) over 7600: (134, 134, 120).
    const QColor batch(134, 134, 120);
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AutoChargenblechImage, 60, 40), batch);
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AuswahlEimer, 10, 120), batch);
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AuswahlEimer, 50, 47), QColor(Qt::black));
    QCOMPARE(Spielschirm2->AutoTonvorlageImage->Pixel(60, 40),
             QRgb(ToQColor(AktuelleTonvorlage->Colour).rgb() & 0xFFFFFF));

    // Nothing selected, dosing hidden, history empty, the laboratory closed.
    QCOMPARE(Mischregal->SelectedIndex, -1);
    QVERIFY(Spielschirm2->AuswahlTube->isHidden());
    QVERIFY(Spielschirm2->AutoScrollBar->isHidden());
    QCOMPARE(Spielschirm2->AutoScrollBar->Position(), 0);
    QCOMPARE(Spielschirm2->AnzeigeHistorie->RowCount(), 0);
    QCOMPARE(Spielschirm2->AnzeigeHistorie->ColCount(), 0);
    QCOMPARE(Spiel->Historie->Count, 0);
    QVERIFY(!Spielschirm->isVisible());
    QVERIFY(FakeMediaLog::Calls().contains(QStringLiteral("Spielschirm.MediaPlayer:Close")));
    QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 200 Punkte"));
    QCOMPARE(Spielschirm2->windowTitle(), QStringLiteral("Tönen von Lackchargen in der Produktion"));
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 5000);
}

void ProductionTest::levelRowFallsWithTheSum() {
    // Row = trunc(130 − sum × (1/12000) × 130).
    QCOMPARE(TSpielschirm2::LevelRow(0), 130);
    QCOMPARE(TSpielschirm2::LevelRow(7600), 47);
    QCOMPARE(TSpielschirm2::LevelRow(5954), 65);
    QCOMPARE(TSpielschirm2::LevelRow(11907), 1);
    QCOMPARE(TSpielschirm2::LevelRow(11908), 0);
    QCOMPARE(TSpielschirm2::LevelRow(12000), 0);
}

void ProductionTest::vesselOverflowsOnlyAboveItsLastRow() {
    // 7600 + 4307 = 11907 units still fit (row 1): no pause of 2000, no notice.
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QVERIFY(ScreenGame::ProductionDose(15, 4307));
    QCOMPARE(vesselSum(), 11907.0);
    QCOMPARE(Spielschirm2->LastLevelRow(), 1);
    QVERIFY(!Ueberlauf->isVisible());
    QVERIFY(!game.clock.Sleeps.contains(2000));
    QCOMPARE(Mischregal->SelectedIndex, 15);
    QCOMPARE(ScreenGame::Farbe(15)->Amount, 4307.0);
}

void ProductionTest::overflowHalvesTheBatchAndChargesAtTheNoticesOk() {
    // One unit more (11908) overflows: 2 s pause, notice, every amount halved, selection gone.
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QVERIFY(ScreenGame::ProductionDose(15, 4307));
    QCOMPARE(Punktestand, 900);
    game.clock.Sleeps.clear();

    QVERIFY(ScreenGame::ProductionDose(12, 3601));
    QCOMPARE(game.clock.Sleeps, QList<int>({10, 2000}));
    QVERIFY(Ueberlauf->isVisible());
    // 4000 × (255,255,0) + 3601 × (0,0,255) + 4307 × (255,255,255) over 11908 = (177, 177, 169).
    const QColor spill(177, 177, 169);
    QCOMPARE(ScreenGame::PixelColour(Ueberlauf->Image4, 400, 130), spill);
    QCOMPARE(ScreenGame::PixelColour(Ueberlauf->Image3, 60, 75), spill);

    QCOMPARE(ScreenGame::Farbe(0)->Amount, 2000.0);
    QCOMPARE(ScreenGame::Farbe(12)->Amount, 1800.5);
    QCOMPARE(ScreenGame::Farbe(15)->Amount, 2153.5);
    QCOMPARE(ScreenGame::Farbe(12)->PreviousAmount, 1800.5);
    QCOMPARE(vesselSum(), 5954.0);
    QCOMPARE(Spielschirm2->Rezept->Cell(1, 2), QStringLiteral(" 1800.50"));
    QCOMPARE(Spielschirm2->LastLevelRow(), 65);
    QCOMPARE(Mischregal->SelectedIndex, -1);
    QVERIFY(Spielschirm2->AuswahlTube->isHidden());
    QVERIFY(Spielschirm2->AutoScrollBar->isHidden());
    QCOMPARE(Spielschirm2->Dosierung->Colour(), ToQColor(clBtnFace));

    // 700 charged by the dose, shown only with the 5000 at the notice's Ok.
    QCOMPARE(Punktestand, 1600);
    QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 900 Punkte"));
    QVERIFY(ClickButton(Ueberlauf, QStringLiteral("Button1")));
    QCOMPARE(Punktestand, 6600);
    QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 6600 Punkte"));

    // Back on the production screen, Enter doses nothing: no base colour is
    // selected any more.
    QVERIFY(Player::Click(Spielschirm2->Panel1, QPoint(5, 5)));
    QVERIFY(Player::Key(Qt::Key_Return));
    QCOMPARE(Punktestand, 6600);
}

void ProductionTest::productionDoseOnlyRaisesAndCostsSevenHundred() {
    // A dose costs 700, adds a history row and leaves the track bar's minimum at the new amount.
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QVERIFY(ScreenGame::SelectSwatch(12));
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 3600);
    Spielschirm2->AutoScrollBar->SetPosition(3000);  // below the batch amount: not possible
    QCOMPARE(Spielschirm2->AutoScrollBar->Position(), 3600);
    Spielschirm2->AutoScrollBar->SetPosition(3650);
    QVERIFY(ScreenGame::ClickPicture(Spielschirm2->AuswahlTube));

    QCOMPARE(Punktestand, 900);
    QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 900 Punkte"));
    QCOMPARE(game.clock.Sleeps, QList<int>({400, 500}) << 500);
    QCOMPARE(Spielschirm2->AnzeigeHistorie->Cell(1, 1), QStringLiteral("804"));
    QCOMPARE(Spielschirm2->AnzeigeHistorie->Cell(2, 1), QStringLiteral("   50.00"));
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 3650);
    QCOMPARE(Spielschirm2->AutoScrollBar->Position(), 3650);
    QVERIFY(Spielschirm2->AuswahlStrahl->isHidden());
    QCOMPARE(game.clock.JetShownAtSleep.last(), true);
    QVERIFY(
        FakeMediaLog::Calls().contains(QStringLiteral("Spielschirm2.MediaPlayer2:FileName=PigmentraLaborFill.wav")));
    // 7650 units: row trunc(130 − 82.875) = 47.
    QCOMPARE(Spielschirm2->LastLevelRow(), 47);
}

void ProductionTest::deliveryJudgesTheDeviatedBatchAndRestoresTheMixture() {
    // Quality control sees the batch plus its deviation; afterwards the plain mixture is back.
    QVERIFY(produce({{0, 40}, {12, 60}}, 2));
    TChargenblech* blech = Spiel->Blech.get();
    QVERIFY(blech->Deviation[0] != 0 || blech->Deviation[1] != 0 || blech->Deviation[2] != 0);
    const RgbTriple plain{134, 134, 120};
    QCOMPARE(blech->Rgb, plain);
    const float plainDeltaE = blech->Lab.DeltaE;
    auto clamp = [](int v) { return qBound(0, v, 255); };
    const QColor judged(clamp(134 + blech->Deviation[0]), clamp(134 + blech->Deviation[1]),
                        clamp(120 + blech->Deviation[2]));

    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
    QCOMPARE(Punktestand, 2200);
    QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 2200 Punkte"));
    QVERIFY(Autoproduktion->isVisible());
    QCOMPARE(ScreenGame::PixelColour(Autoproduktion->Image4, 200, 300), judged);
    const bool firstVerdict = Autoproduktion->Accepted;
    QCOMPARE(blech->Rgb, plain);
    QCOMPARE(blech->Lab.DeltaE, plainDeltaE);
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AutoChargenblechImage, 60, 40), QColor(134, 134, 120));
    QCOMPARE(Spielschirm2->Rezept->Cell(1, 1), QStringLiteral(" 4000.00"));

    TLab seen;
    seen.SetFromRGB(RgbTriple{judged.red(), judged.green(), judged.blue()});
    seen.CompareWith(AktuelleTonvorlage->Lab);
    QCOMPARE(firstVerdict, seen.DeltaE <= Konfiguration->ChargenToleranz);
    if (!firstVerdict) {
        // A rejected batch: the verdict's Ok leaves production open.
        QVERIFY(ClickButton(Autoproduktion, QStringLiteral("Ok")));
        QVERIFY(Spielschirm2->isVisible());
    }

    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
    QCOMPARE(Punktestand, 4200);
    QCOMPARE(Autoproduktion->Accepted, firstVerdict);
    QCOMPARE(ScreenGame::PixelColour(Autoproduktion->Image4, 200, 300), judged);
    QCOMPARE(blech->Rgb, plain);
}

void ProductionTest::vegeLeavesWithoutHighscore() {
    // "Vége" closes the sound, drops panel and history, and writes no highscore record.
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TEMP");
    qputenv("TEMP", temp.path().toLocal8Bit());
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QVERIFY(ScreenGame::ProductionDose(12, 3700));
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("Ende")));

    QVERIFY(!Spielschirm2->isVisible());
    QVERIFY(!Spiel->Blech);
    QVERIFY(!Spiel->Historie);
    QVERIFY(Spielschirm2->Rezept->isHidden());
    QVERIFY(Spielschirm2->AnzeigeHistorie->isHidden());
    QCOMPARE(FakeMediaLog::Calls().last(), QStringLiteral("Spielschirm2.MediaPlayer2:Close"));
    QCOMPARE(Punktestand, 900);
    QVERIFY(QDir(temp.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    QVERIFY(!QFile::exists(temp.path() + QStringLiteral("\\Pigmentra.hsc")));
    qputenv("TEMP", oldTemp);
}

void ProductionTest::batchWaitsForItsOpenNoticeAndVerdict() {
    // While the overflow notice waits for its Ok, or once the batch is
    // accepted, the batch takes no dose, no check and no delivery: the
    // waiting dialog comes to the front. So the record holds the overflow's
    // 5000, and one game writes one record. Every charge shows at once.
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TEMP");
    qputenv("TEMP", temp.path().toLocal8Bit());
    QVERIFY(produce({{0, 40}, {12, 60}}));
    // Laboratory 2 × 100, then the colour check's 200, shown at once.
    QVERIFY(ScreenGame::ClickPicture(Spielschirm2->AutoTonvorlageImage));
    QCOMPARE(Spielschirm2->Punkte->text(), QStringLiteral(" 400 Punkte"));
    QVERIFY(Player::Key(Qt::Key_Return));
    QVERIFY(!Farbenpruefung->isVisible());

    // 11908 units overflow (2 × 700).
    QVERIFY(ScreenGame::ProductionDose(15, 4307));
    QVERIFY(ScreenGame::ProductionDose(12, 3601));
    QVERIFY(Ueberlauf->isVisible());
    QCOMPARE(Punktestand, 1800);
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
    QVERIFY(!Autoproduktion->isVisible());
    QCOMPARE(Player::ActiveWindow(), static_cast<QWidget*>(Ueberlauf));
    QVERIFY(ScreenGame::ProductionDose(12, 3000));
    QVERIFY(ScreenGame::ClickPicture(Spielschirm2->AutoChargenblechImage));
    QVERIFY(!Farbenpruefung->isVisible());
    QCOMPARE(Punktestand, 1800);
    QVERIFY(Player::Key(Qt::Key_Return));  // not the notice's default: nothing
    QVERIFY(Ueberlauf->isVisible());
    QVERIFY(ClickButton(Ueberlauf, QStringLiteral("Button1")));
    QCOMPARE(Punktestand, 6800);

    Konfiguration->ChargenToleranz = 1000.0f;  // any batch passes
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
    QVERIFY(Autoproduktion->Accepted);
    QCOMPARE(Punktestand, 8800);
    const QString file = temp.filePath(QStringLiteral("Pigmentra.hsc"));
    QFile record(file);
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(record.readAll().left(11), QByteArray("      8800 "));
    record.close();
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
    QVERIFY(ScreenGame::ProductionDose(12, 2000));
    QCOMPARE(Punktestand, 8800);
    QCOMPARE(QFileInfo(file).size(), 150);
    QCOMPARE(Player::ActiveWindow(), static_cast<QWidget*>(Autoproduktion));

    QVERIFY(Player::Key(Qt::Key_Return));  // the verdict's Ok ends the game
    QVERIFY(!Autoproduktion->isVisible());
    QVERIFY(!Spielschirm2->isVisible());
    QVERIFY(!Spiel->Laeuft());
    qputenv("TEMP", oldTemp);
}

void ProductionTest::gameDialogsCloseWhenTheGameMovesOnOrEnds() {
    // Dialogs of the laboratory close when production starts; a verdict left
    // open closes with "Vége" and does not come back in the next game.
    QVERIFY(game.StartLab());
    for (int i = 0; i < 8; ++i)
        QVERIFY(ScreenGame::LabDose(i, 10));
    QVERIFY(ScreenGame::SelectSwatch(8));  // a ninth base colour: refused
    QVERIFY(MaxBasisfarben->isVisible());
    QVERIFY(ScreenGame::ClickPicture(Spielschirm->AutoTonvorlageImage));
    QVERIFY(Farbenpruefung->isVisible());
    game.StartProduction();
    QVERIFY(!MaxBasisfarben->isVisible());
    QVERIFY(!Farbenpruefung->isVisible());

    Konfiguration->ChargenToleranz = -1.0f;  // no batch passes
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("BatchAusliefern")));
    QVERIFY(Autoproduktion->isVisible() && !Autoproduktion->Accepted);
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("Ende")));
    QVERIFY(!Autoproduktion->isVisible());
    QVERIFY(!Spielschirm2->isVisible());
    QVERIFY(game.StartLab());
    QVERIFY(!Autoproduktion->isVisible());
    QCOMPARE(Player::ActiveWindow(), static_cast<QWidget*>(Spielschirm));

    // So does an overflow notice not yet confirmed, without its charge: the
    // game it belonged to is over.
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QVERIFY(ScreenGame::ProductionDose(15, 4307));
    QVERIFY(ScreenGame::ProductionDose(12, 3601));
    QVERIFY(Ueberlauf->isVisible());
    const int points = Punktestand;
    QVERIFY(ClickButton(Spielschirm2, QStringLiteral("Ende")));
    QVERIFY(!Ueberlauf->isVisible());
    QCOMPARE(Punktestand, points);
    QVERIFY(game.StartLab());
    QVERIFY(!Ueberlauf->isVisible());
    QCOMPARE(Player::ActiveWindow(), static_cast<QWidget*>(Spielschirm));
}

void ProductionTest::trackBarReachesAMainComponentAboveFiveThousand() {
    // A selected base colour above 5000 units, now or before the main component's cut, gets the vessel's 12000
    // as maximum; others keep 5000.
    QCOMPARE(ProductionTrackBarMax(5000.0, 5000.0), 5000);
    QCOMPARE(ProductionTrackBarMax(5000.5, 0.0), 12000);
    QCOMPARE(ProductionTrackBarMax(3000.0, 5000.5), 12000);

    // 100 % of "712": 10000 units, under-dosed to 6000.
    QVERIFY(produce({{0, 100}}));
    QCOMPARE(ScreenGame::Farbe(0)->Amount, 6000.0);
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 5000);

    QVERIFY(ScreenGame::SelectSwatch(0));
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 12000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 6000);
    QTest::keyClick(Spielschirm2->AutoScrollBar, Qt::Key_Return);
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 12000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 6000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Position(), 6000);

    // The main component can be raised back beyond 5000.
    Spielschirm2->AutoScrollBar->SetPosition(8000);
    QTest::keyClick(Spielschirm2->AutoScrollBar, Qt::Key_Return);
    QCOMPARE(ScreenGame::Farbe(0)->Amount, 8000.0);
    QCOMPARE(Spielschirm2->AutoScrollBar->Position(), 8000);

    // Another colour doses on the usual 0..5000.
    QVERIFY(ScreenGame::SelectSwatch(4));
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 5000);
    QVERIFY(ScreenGame::ProductionDose(4, 100));
    QCOMPARE(ScreenGame::Farbe(4)->Amount, 100.0);
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 5000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 100);
    QCOMPARE(Punktestand, 100 + 3 * 700);

    // 75 parts of "731" and 25 of "781": 7500 and 2500 units, the main
    // component cut to 4500. Dosed back to 7500 by keys on the track bar, the
    // batch is its accepted recipe again (10000 units, level row 21) without
    // an overflow.
    QVERIFY(game.StartLab());
    QVERIFY(ScreenGame::LabDose(3, 75));
    QVERIFY(ScreenGame::LabDose(9, 25));
    const DisplayColour recipe = Spiel->Blech->Colour;
    game.StartProduction();
    QCOMPARE(ScreenGame::Farbe(3)->Amount, 4500.0);
    QCOMPARE(ScreenGame::Farbe(9)->Amount, 2500.0);
    QVERIFY(ScreenGame::SelectSwatch(3));
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 12000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 4500);
    for (int key = 0; key < 60; ++key)
        QVERIFY(Player::Key(Qt::Key_PageUp));
    QCOMPARE(Spielschirm2->AutoScrollBar->Position(), 7500);
    QVERIFY(Player::Key(Qt::Key_Return));
    QVERIFY(!Ueberlauf->isVisible());
    QCOMPARE(ScreenGame::Farbe(3)->Amount, 7500.0);
    QCOMPARE(vesselSum(), 10000.0);
    QCOMPARE(Spielschirm2->LastLevelRow(), 21);
    QCOMPARE(Spiel->Blech->Colour, recipe);
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 12000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 7500);
    QCOMPARE(Punktestand, 200 + 700);
    // The other component stays on 0..5000.
    QVERIFY(ScreenGame::SelectSwatch(9));
    QCOMPARE(Spielschirm2->AutoScrollBar->Max(), 5000);
    QCOMPARE(Spielschirm2->AutoScrollBar->Min(), 2500);
}

void ProductionTest::vesselShowsEachDoseUnderAnyDesktopColours() {
    // A desktop theme whose button colour is not the vessel picture's grey:
    // every dose still repaints the inside in the batch's new colour.
    const QPalette saved = QApplication::palette();
    QPalette themed = saved;
    themed.setColor(QPalette::Button, QColor(200, 210, 220));
    QApplication::setPalette(themed);
    QVERIFY(produce({{0, 40}, {12, 60}}));
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AuswahlEimer, 10, 120), QColor(134, 134, 120));
    QVERIFY(ScreenGame::ProductionDose(12, 4000));
    const QColor after = ToQColor(Spiel->Blech->Colour);
    QVERIFY(after != QColor(134, 134, 120));
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AuswahlEimer, 10, 120), after);
    QVERIFY(ScreenGame::ProductionDose(0, 4100));
    QCOMPARE(ScreenGame::PixelColour(Spielschirm2->AuswahlEimer, 10, 120), ToQColor(Spiel->Blech->Colour));
    QApplication::setPalette(saved);
}

QTEST_MAIN(ProductionTest)
#include "tst_production.moc"
