#include "shell/Autofarben1.h"

#include "colour/Lab1.h"
#include "colour/Tonvorlage1.h"
#include "platform/DataFiles.h"
#include "platform/Picture.h"
#include "shell/Vernicura1.h"

TAutoFarben::TAutoFarben(int32_t row, int32_t column, TMischregal* shelf, QWidget* parent)
    : Tonvorlage(std::make_unique<TTonvorlage>(QStringLiteral("Tonvorlage"), shelf)), Zeile(row), Spalte(column) {
    Bild = new TPicture(parent, QStringLiteral("AutoFarbe_%1_%2").arg(row).arg(column), CellWidth * column,
                        CellHeight * row);
    Bild->OnMouseDown = [this] { BildMouseDown(); };
    try {
        Bild->LoadFromFile(DataFiles::Auto);
    } catch (...) {
        delete Bild;
        Bild = nullptr;
        throw;
    }
    // The picture is shown unscaled; the control reaches at least over the
    // whole cell, so a press anywhere in the cell lands on this item.
    Bild->resize(qMax(Bild->width(), CellWidth), qMax(Bild->height(), CellHeight));
    Bild->FloodFill(FillPoints::CarBody, ToQColor(Tonvorlage->Colour));
}

TAutoFarben::~TAutoFarben() { delete Bild; }

void TAutoFarben::BildMouseDown() {
    if (Gewaehlt) {
        Gewaehlt = false;
    } else {
        if (Vernicura)
            Vernicura->ClearCarMarks();
        Gewaehlt = true;
    }
    PaintMark();
    if (Vernicura)
        Vernicura->ItemPressed(this);  // the picker's keys go on from here
}

void TAutoFarben::PaintMark() { Bild->FloodFill(FillPoints::PickerMark, ToQColor(Gewaehlt ? clHighlight : clWhite)); }
