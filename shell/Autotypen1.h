#pragma once
// One difficulty level of the main menu: a level picture that a press marks
// (or unmarks). The item's index in AutoTypenListe is its level index.
#include <cstdint>

class QWidget;
class TPicture;

class TAutoTypen {
public:
    // Loads "PigmentraLevel<level + 1>.bmp" into an 80 × 80 picture in the
    // level group box at (90 × column + 10, 90 × row + 30). A missing
    // picture raises ToolkitError.
    TAutoTypen(int32_t level, int32_t row, QWidget* parent, int32_t column);
    ~TAutoTypen();
    TAutoTypen(const TAutoTypen&) = delete;
    TAutoTypen& operator=(const TAutoTypen&) = delete;

    static constexpr int PictureSize = 80;

    TPicture* Bild = nullptr;  // owned by the level group box
    int32_t Zeile = 0;
    int32_t Spalte = 0;
    bool Gewaehlt = false;

    void BildMouseDown();
    void PaintMark();
};
