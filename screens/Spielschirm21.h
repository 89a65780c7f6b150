#pragma once
// Production: the accepted recipe becomes a batch of 10000 units with its
// main component under-dosed; the player tints it back in the vessel and
// delivers it to quality control.
#include "platform/Form.h"
#include "platform/Media.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TColourBox;
class TPicture;
class TStringGrid;
class TTrackBar;

class TSpielschirm2 : public TForm {
public:
    TSpielschirm2();
    ~TSpielschirm2() override;

    // Turns the accepted recipe into a batch and runs production modally.
    void ProduktionStarten();
    // The set-up of production, without the modal run.
    void PrepareProduction();
    void RefreshPoints();

    // Turns the test panel's laboratory recipe into the batch.
    void ChargeAnsetzen();
    // Draws the vessel's fill level (afresh with the empty picture when
    // firstDrawing). Returns true when the batch reaches the vessel's top.
    bool TonneZeichnen(bool firstDrawing);
    // The overflow: a pause with the spill in the batch colour, the notice
    // (not waited for), half of every dosed amount discarded, the selection
    // cleared and the vessel drawn again.
    void Ueberlaufen();
    // The dosing step.
    void AutoScrollBarChange();
    void AutoScrollBarKeyPress(int key);
    // Sample or batch panel clicked: the colour check.
    void TestenClick();
    // "Batch ausliefern": quality control judges the batch.
    void BatchAusliefernClick();
    // "Vége": the game is abandoned.
    void ProgrammEnde();

    // The vessel's fill level row for a batch of the given units: 130 when
    // empty, 0 (overflow) from a little below 12000 units.
    static int LevelRow(double units);
    // The row of the level line drawn last, -1 when none is drawn.
    int LastLevelRow() const { return lastLevelRow_; }

    TPicture* Image2 = nullptr;
    TPicture* Image4 = nullptr;
    TColourBox* Panel1 = nullptr;
    TColourBox* AutoBasisfarben = nullptr;
    TColourBox* Dosierung = nullptr;
    TPicture* AuswahlTube = nullptr;
    TTrackBar* AutoScrollBar = nullptr;
    TPicture* AuswahlStrahl = nullptr;
    TPicture* AuswahlEimer = nullptr;
    TStringGrid* Rezept = nullptr;
    TStringGrid* AnzeigeHistorie = nullptr;
    TColourBox* Kosten = nullptr;
    QLabel* Punkte = nullptr;
    TColourBox* GroupBox6 = nullptr;
    TPicture* AutoTonvorlageImage = nullptr;
    QLabel* Label1 = nullptr;
    TPicture* AutoChargenblechImage = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* BatchAusliefern = nullptr;
    QPushButton* Ende = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer2;

private:
    void buildLayout();
    void hideDosing();
    bool waitingForDialog();
    int lastLevelRow_ = -1;
    QColor emptyInside_;  // the vessel picture's inside while empty
};

extern TSpielschirm2* Spielschirm2;
