#pragma once
// One car colour of the main menu's catalogue: a car picture whose body shows
// the item's own target shade; a press marks it (or unmarks it).
#include <cstdint>
#include <memory>

class QWidget;
class TMischregal;
class TPicture;
class TTonvorlage;

class TAutoFarben {
public:
    // Draws the shade from the shelf, then loads "PigmentraAuto.bmp" into a
    // picture in the catalogue's scroll box at (70 × column, 35 × row) and
    // paints the car body. A missing picture raises ToolkitError.
    TAutoFarben(int32_t row, int32_t column, TMischregal* shelf, QWidget* parent);
    ~TAutoFarben();
    TAutoFarben(const TAutoFarben&) = delete;
    TAutoFarben& operator=(const TAutoFarben&) = delete;

    // Size of one catalogue cell; a press anywhere in it selects the item.
    static constexpr int CellWidth = 70;
    static constexpr int CellHeight = 35;

    TPicture* Bild = nullptr;  // owned by the item: freed by its destructor
    std::unique_ptr<TTonvorlage> Tonvorlage;
    int32_t Zeile = 0;
    int32_t Spalte = 0;
    bool Gewaehlt = false;

    // Press on the picture: unmark a marked item, otherwise move the
    // catalogue's mark here.
    void BildMouseDown();
    // Paints the corner region around (5, 5) in the highlight colour while
    // the item is marked, white otherwise.
    void PaintMark();
};
