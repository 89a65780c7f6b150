#pragma once
// The main menu: car colour and level pickers, the player's name, the rules,
// the sound switch, the highscore and the start of a game. Its constructor
// creates the game objects every screen shares, its destructor frees them.
#include "platform/Form.h"

#include <QPushButton>

class QLabel;
class QLineEdit;
class QScrollArea;
class QTextEdit;
class QWidget;
class TAutoFarben;
class TAutoTypen;
class TColourBox;
class TFocusFrame;
class TPicture;

class TVernicura : public TForm {
public:
    // Raises ToolkitError when a car or level picture is missing; the game
    // objects made so far are freed again and their globals left empty.
    TVernicura();
    ~TVernicura() override;

    TPicture* Image1 = nullptr;
    TPicture* Image3 = nullptr;
    TColourBox* Panel1 = nullptr;
    TColourBox* TitelAnleitung = nullptr;
    TColourBox* TextAnleitung = nullptr;
    QTextEdit* InhaltAnleitung = nullptr;
    TColourBox* GroupBox1 = nullptr;
    TColourBox* AuswahlFarben = nullptr;
    QScrollArea* AutofarbenAuswahl = nullptr;
    TColourBox* GroupBox2 = nullptr;
    TColourBox* AuswahlTypen = nullptr;
    TColourBox* GroupBox3 = nullptr;
    TColourBox* GroupBox4 = nullptr;
    QLineEdit* Spieler1Name = nullptr;
    QPushButton* Anleitung = nullptr;
    QPushButton* BHighScore = nullptr;
    QPushButton* Ton = nullptr;
    QPushButton* Ende = nullptr;
    QPushButton* Ok = nullptr;
    TColourBox* Logo = nullptr;

    // Starts a game with the marked car colour and level.
    void OkClick();
    // Everything "Játék" does before the laboratory opens: the reseed, the
    // player's name, the target, the level and the points. False, with the
    // message shown, when a car colour or a level is not marked.
    bool PrepareNewGame();
    // Ends the program.
    void EndeClick();
    // Shows the rules (read afresh from "Pigmentra.rtf") or hides them.
    void AnleitungClick();
    void TonClick();
    void BHighScoreClick();

    // Clear the marks of every car colour item / every level item.
    void ClearCarMarks();
    void ClearLevelMarks();

    // The pickers by keyboard: an arrow key marks the neighbouring item (as a
    // click on it would), Space presses the current item (marks or unmarks
    // it). Returns false for keys a picker does not use.
    bool CarPickerKey(int key);
    bool LevelPickerKey(int key);
    // A press on an item: the keys go on from it.
    void ItemPressed(const TAutoFarben* item);
    void ItemPressed(const TAutoTypen* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void CreateGameObjects();
    void FreeGameObjects();
    // Frames the item a picker's keys work on while that picker has the
    // focus.
    void ShowPickerFocus();

    QWidget* carCells_ = nullptr;  // the scroll box's content: the catalogue
    // The item the keyboard works on when none is marked: the last one
    // pressed by key.
    int carCursor_ = 0;
    int levelCursor_ = 0;
    TFocusFrame* carFrame_ = nullptr;
    TFocusFrame* levelFrame_ = nullptr;
};

extern TVernicura* Vernicura;
