#include "shell/Autotypen1.h"

#include "colour/Lab1.h"
#include "platform/DataFiles.h"
#include "platform/Picture.h"
#include "shell/Vernicura1.h"

TAutoTypen::TAutoTypen(int32_t level, int32_t row, QWidget* parent, int32_t column) : Zeile(row), Spalte(column) {
    Bild = new TPicture(parent, QStringLiteral("Level%1").arg(level + 1), 0, 0, PictureSize, PictureSize);
    Bild->OnMouseDown = [this] { BildMouseDown(); };
    try {
        Bild->LoadFromFile(DataFiles::LevelPicture(level));
    } catch (...) {
        delete Bild;
        Bild = nullptr;
        throw;
    }
    // Placed from the control's own size: 80 + 10 pixels per step.
    Bild->move((Bild->width() + 10) * column + 10, (Bild->height() + 10) * row + 30);
}

TAutoTypen::~TAutoTypen() {
    // The picture stays with the group box; it must not call back into an
    // item that is gone.
    if (Bild)
        Bild->OnMouseDown = nullptr;
}

void TAutoTypen::BildMouseDown() {
    if (Gewaehlt) {
        Gewaehlt = false;
    } else {
        if (Vernicura)
            Vernicura->ClearLevelMarks();
        Gewaehlt = true;
    }
    PaintMark();
    if (Vernicura)
        Vernicura->ItemPressed(this);  // the picker's keys go on from here
}

void TAutoTypen::PaintMark() { Bild->FloodFill(FillPoints::PickerMark, ToQColor(Gewaehlt ? clHighlight : clWhite)); }
