#pragma once
#include "platform/Form.h"

#include <cstdint>

class QLabel;
class QPushButton;
class TColourBox;
class TPicture;
class TStringGrid;

// The highscore file's name, in TEMP (platform/HighscoreFile.h has the rest).
inline constexpr char HighscoreFileName[] = "Pigmentra.hsc";

// The highscore table: the 30 lowest totals of the highscore file,
// ascending, with a button that clears the file.
class THighScore : public TForm {
public:
    THighScore();
    // Appends one result to the file (does not load or show the table).
    void AddEntry(const QString& fileName, const QString& playerName, int32_t points);
    // Builds the path, loads the table and shows the dialog (not modal).
    void ShowTable(const QString& fileName);
    // Reads the file at HighscorePath into the grid.
    void LoadTable();
    void LoeschenClick();
    void OkClick();

    QString HighscorePath;

    TPicture* Image1;
    TPicture* Image2;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    TColourBox* Panel1;
    TColourBox* GroupBox2;
    QLabel* StaticText1;
    TColourBox* GroupBox1;
    TStringGrid* Liste;
    QPushButton* Loeschen;
    QPushButton* Ok;

private:
    void blankFirstRow();
};

extern THighScore* HighScore;
