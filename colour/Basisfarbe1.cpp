#include "colour/Basisfarbe1.h"

#include "colour/Chargenschwankungen1.h"
#include "colour/Mischregal1.h"
#include "colour/Spielhinweise.h"
#include "platform/Controls.h"
#include "platform/DataFiles.h"
#include "platform/Picture.h"
#include "shell/Konfiguration1.h"

#include <memory>

namespace {
const QString LabPicture = DataFiles::Labor;
const QString ProductionPicture = DataFiles::Produktion;

// The swatch canvas font: Arial, size 10.
QFont SwatchFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return font;
}

int MaxRecipeColours() { return Konfiguration ? Konfiguration->MaxRezeptfarben : 8; }
}  // namespace

int ProductionTrackBarMax(double amount, double batchAmount) {
    return amount > 5000.0 || batchAmount > 5000.0 ? 12000 : 5000;
}

TBasisfarbe::TBasisfarbe(const QString& code, int red, int green, int blue) : Code(code) {
    Rgb = {red, green, blue};
    Colour = ToDisplayColour(Rgb);
}

TBasisfarbe::~TBasisfarbe() {
    // The swatch outlives us in its group box; it must not call back.
    if (Swatch) {
        Swatch->OnClick = nullptr;
        Swatch->OnDoubleClick = nullptr;
        Swatch->OnMouseDown = nullptr;
    }
}

TMischregal* TBasisfarbe::shelf() const { return Shelf ? Shelf : Mischregal; }

void TBasisfarbe::Place(const QString& code, int row, int column, int index, TColourBox* groupBox, TTrackBar* slider,
                        TPicture* tube, TPicture* jet) {
    // The artwork comes first: when it cannot be read, the failure leaves
    // this base colour, its old swatch and its mixture as they were.
    const bool production = Konfiguration && Konfiguration->Produktionsphase == 1;
    auto picture = std::make_unique<TPicture>(groupBox, QString(), 0, 0);
    picture->LoadFromFile(production ? ProductionPicture : LabPicture);
    TPicture* swatch = picture.release();  // the group box owns it from here

    Code = code;
    Row = row;
    Column = column;
    Index = index;
    Slider = slider;
    Tube = tube;
    Jet = jet;
    Amount = 0.0;
    PreviousAmount = 0.0;
    BatchAmount = 0.0;
    Selected = 0;
    swallowClick_ = false;

    // A new showing replaces the swatch this base colour left in the box last
    // time, so the boxes do not fill up with hidden pictures game after game.
    const QString name = QStringLiteral("Swatch") + code;
    if (groupBox) {
        for (TPicture* old : groupBox->findChildren<TPicture*>(name, Qt::FindDirectChildrenOnly)) {
            old->OnClick = nullptr;
            old->OnDoubleClick = nullptr;
            old->OnMouseDown = nullptr;
            old->setObjectName(QString());
            old->hide();
            old->deleteLater();
        }
    }

    swatch->setObjectName(name);
    Swatch = swatch;
    swatch->OnMouseDown = [this] { swallowClick_ = false; };
    swatch->OnClick = [this] {
        if (swallowClick_) {
            swallowClick_ = false;
            return;
        }
        SwatchClick();
    };

    const QColor colour = ToQColor(Colour);
    int cellWidth = 0;
    int cellHeight = 0;
    ProductionSwatch = production;
    if (ProductionSwatch) {
        cellWidth = swatch->PictureWidth() - 30;
        cellHeight = swatch->PictureHeight();
        swatch->FloodFill(FillPoints::ProductionCan, colour);
        swatch->Text(15, 15, Code, SwatchFont(), Qt::white);
    } else {
        swatch->OnDoubleClick = [this] {
            swallowClick_ = true;
            SwatchDoubleClick();
        };
        cellWidth = swatch->PictureWidth() - 10;
        cellHeight = swatch->PictureHeight() - 40;
        swatch->FloodFill(FillPoints::LabChip, colour);
        // The code stands on the chip's own colour, in black or white,
        // whichever reads better on it.
        swatch->Text(60, 35, Code, SwatchFont(), colour, ReadableTextColour(colour));
    }
    swatch->move(Column * cellWidth + 10, Row * cellHeight + 20);
    swatch->show();
}

void TBasisfarbe::SwatchClick() {
    TMischregal* regal = shelf();
    if (Chargenschwankungen)
        Chargenschwankungen->Check(regal);

    // A new base colour cannot enter a full recipe; one already in it can
    // still be picked.
    if (regal && regal->UsedCount >= MaxRecipeColours() && Amount == 0.0) {
        if (Spielhinweise.MaxBasisfarben)
            Spielhinweise.MaxBasisfarben();
        return;
    }

    if (regal) {
        regal->DeselectAll();
        regal->SelectedIndex = Index;
    }
    Selected = 1;
    if (Slider) {
        // In a batch an amount can only grow. A main component above 5000
        // units, now or before its cut, gets a track bar that reaches what
        // the vessel holds.
        if (ProductionSwatch) {
            Slider->SetMax(ProductionTrackBarMax(Amount, BatchAmount));
            Slider->SetMin(static_cast<int>(Amount));
        }
        Slider->SetPosition(static_cast<int>(Amount));
    }
    ShowSlider();
    Highlight();
}

void TBasisfarbe::SwatchDoubleClick() {
    // The double click selects its base colour too, so the limit on base
    // colours holds for it as for a click: a ninth one, refused by the first
    // click of the pair, must not become the one the track bar doses.
    TMischregal* regal = shelf();
    if (regal && regal->UsedCount >= MaxRecipeColours() && Amount == 0.0)
        return;
    Amount = 0.0;
    if (regal)
        regal->SelectedIndex = Index;
    if (Slider)
        Slider->SetPosition(0);
}

void TBasisfarbe::Highlight() {
    if (!Swatch)
        return;
    const QRgb region = Swatch->Pixel(FillPoints::SwatchFrame);
    const QColor fill = ToQColor(Selected == 1 ? clHighlight : clBtnFace);
    // Only the frame region, which has the colour found at SwatchFrame, is
    // repainted; the laboratory swatch has a second frame part at LabFrameTop.
    auto fillFrame = [&](QPoint at) {
        if (Swatch->Pixel(at) == region)
            Swatch->FloodFill(at, fill);
    };
    if (!ProductionSwatch)
        fillFrame(FillPoints::LabFrameTop);
    fillFrame(FillPoints::SwatchFrame);
}

void TBasisfarbe::ShowSlider() {
    const QColor colour = ToQColor(Colour);
    if (Tube)
        Tube->hide();
    if (Slider) {
        Slider->hide();
        Slider->SetColour(colour);
    }
    if (Tube)
        Tube->show();
    if (Slider) {
        Slider->show();
        Slider->repaint();
        // Hiding the track bar sent the focus on to the next control; the
        // player's arrow keys and Enter belong to the track bar again.
        Slider->setFocus(Qt::OtherFocusReason);
    }
    if (Jet)
        Jet->FloodFill(FillPoints::Jet, colour);
}
