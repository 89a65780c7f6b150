#pragma once
// The laboratory: the player doses base colours into a test panel until it
// matches the target sample, then hands the recipe in.
#include "platform/Form.h"
#include "platform/Media.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

class TClickArea;
class TColourBox;
class TPicture;
class TStringGrid;
class TTrackBar;

class TSpielschirm : public TForm {
public:
    TSpielschirm();
    ~TSpielschirm() override;

    // Sets up a new game and runs the laboratory modally.
    void FormShow();
    // The set-up of a new game, without the modal run.
    void PrepareGame();
    // Writes the points total into the points label (the game shows it on
    // both screens through TSpiel::PunkteZeigen).
    void RefreshPoints();

    // The dosing step: the selected base colour takes the track bar's amount.
    void AutoScrollBar1Change();
    // The focus came back to the open laboratory from another window of the
    // game: with a base colour selected, one more dosing step. The accepted
    // production decision runs it too, as it hides in front of the screen.
    void FormActivate();
    void AutoScrollBarKeyPress(int key);
    // Sample or panel clicked: the colour check.
    void AutoTonvorlageImageClick();
    // "A recept kész!": the production decision.
    void RezeptAusliefernClick();
    // The hidden area in the bottom bar: the target's recipe into the mixture.
    void BossKey();
    // "Vissza": the game is abandoned.
    void ProgrammEnde();

    TPicture* Image2 = nullptr;
    TPicture* Image3 = nullptr;
    TClickArea* Boss = nullptr;
    TColourBox* Panel1 = nullptr;
    TColourBox* AutoBasisfarben = nullptr;
    TColourBox* GroupBox2 = nullptr;
    TPicture* AutoTonvorlageImage = nullptr;
    QLabel* Label1 = nullptr;
    TPicture* AutoChargenblechImage = nullptr;
    QLabel* Label2 = nullptr;
    TColourBox* GroupBox6 = nullptr;
    TPicture* AuswahlTube = nullptr;
    TTrackBar* AutoScrollBar = nullptr;
    TPicture* AuswahlStrahl = nullptr;
    TPicture* AuswahlTopf = nullptr;
    TStringGrid* Rezept = nullptr;
    TStringGrid* AnzeigeHistorie = nullptr;
    TColourBox* Kosten = nullptr;
    QLabel* Punkte = nullptr;
    QPushButton* RezeptAusliefern = nullptr;
    QPushButton* Ende = nullptr;
    std::unique_ptr<TMediaPlayer> MediaPlayer;

private:
    void buildLayout();
};

extern TSpielschirm* Spielschirm;
