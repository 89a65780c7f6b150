#include "colour/Mischregal1.h"

#include "colour/Basisfarbe1.h"
#include "colour/Rezeptur1.h"
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "shell/Konfiguration1.h"

#include <algorithm>

namespace {
struct ShelfEntry {
    const char* code;
    int red, green, blue;
};

// The sixteen base colours in shelf order; row = index / 4, column = index mod 4.
const ShelfEntry ShelfTable[16] = {
    {"712", 255, 255, 0}, {"718", 255, 255, 100}, {"723", 230, 255, 0}, {"731", 255, 175, 0},
    {"744", 255, 0, 0},   {"749", 255, 75, 0},    {"756", 255, 0, 150}, {"762", 255, 150, 150},
    {"775", 150, 255, 0}, {"781", 0, 255, 0},     {"787", 0, 255, 150}, {"793", 0, 150, 255},
    {"804", 0, 0, 255},   {"808", 150, 0, 255},   {"815", 0, 0, 0},     {"019", 255, 255, 255},
};
}  // namespace

TMischregal::TMischregal() {
    Count = 16;
    Basisfarben.reserve(Count);
    for (int i = 0; i < Count; ++i) {
        const ShelfEntry& e = ShelfTable[i];
        auto colour = std::make_unique<TBasisfarbe>(QString::fromLatin1(e.code), e.red, e.green, e.blue);
        colour->Index = i;
        colour->Row = i / 4;
        colour->Column = i % 4;
        colour->Shelf = this;
        Basisfarben.push_back(std::move(colour));
    }
}

TMischregal::~TMischregal() = default;

void TMischregal::Layout(const QString& caption, TColourBox* groupBox, TPicture* jet, TPicture* tube,
                         TStringGrid* historyGrid, TStringGrid* recipeGrid, TTrackBar* slider) {
    if (groupBox)
        groupBox->SetCaption(caption);
    // A swatch picture that cannot be read stops at the first base colour,
    // before the shelf turns to the new screen's controls: the screen shown
    // so far keeps its shelf and its mixture.
    for (int i = 0; i < Count; ++i) {
        TBasisfarbe& colour = *Basisfarben[i];
        colour.Shelf = this;
        colour.Place(colour.Code, i / 4, i % 4, i, groupBox, slider, tube, jet);
    }
    HistoryGrid = historyGrid;
    RecipeGrid = recipeGrid;
    Slider = slider;
    UsedCount = 0;
    DeselectAll();
}

void TMischregal::DeselectAll() {
    SelectedIndex = -1;
    for (auto& colour : Basisfarben) {
        colour->Selected = 0;
        colour->Highlight();
    }
}

void TMischregal::TakeAmountFromSlider(int index) {
    if (index < 0 || index >= Count || !Slider)
        return;
    Basisfarben[index]->Amount = Slider->Position();
}

void TMischregal::CountUsed() {
    UsedCount = 0;
    for (const auto& colour : Basisfarben)
        if (colour->Amount > 0.0)
            ++UsedCount;
}

DisplayColour TMischregal::Mix(RgbTriple& result) const {
    result = RgbTriple{};
    int32_t total = 0;
    for (const auto& colour : Basisfarben) {
        total = static_cast<int32_t>(total + colour->Amount);
        for (int c = 0; c < 3; ++c)
            result[c] = static_cast<int32_t>(result[c] + colour->Rgb[c] * colour->Amount);
    }
    if (total == 0)
        total = 100;
    for (int c = 0; c < 3; ++c) {
        result[c] = result[c] / total;
        // Fractional amounts can leave the truncated total below the sum of
        // the amounts (1.5 of white gives 382 / 1); a colour never goes
        // beyond full intensity.
        result[c] = std::min(result[c], 255);
    }
    return ToDisplayColour(result);
}

void TMischregal::Fluctuate(int range) {
    for (auto& colour : Basisfarben) {
        for (int c = 0; c < 3; ++c) {
            int32_t channel = colour->Rgb[c] + Zufallszahl(range) - range / 2;
            channel = std::min(channel, 255);
            channel = std::max(channel, 0);
            colour->Rgb[c] = channel;
        }
    }
}

TChargenblech::TChargenblech(TPicture* canvas, TMischregal* shelf) {
    // The second number drawn comes first in the name.
    const int32_t a = Zufallszahl(9999);
    const int32_t b = Zufallszahl(99);
    Name = QStringLiteral("FQ%1-%2").arg(b).arg(a);
    Rgb = RgbTriple{};
    Colour = 0;
    Rezeptur = std::make_unique<TRezeptur>(shelf);
    if (canvas)
        canvas->FillClip(ToQColor(Colour));
    const int32_t range = Konfiguration ? Konfiguration->Farbstreuung : 0;
    for (int c = 0; c < 3; ++c)
        Deviation[c] = Zufallszahl(range) - range / 2;
}

TChargenblech::~TChargenblech() = default;

void TChargenblech::ApplyDeviation(int direction) {
    for (int c = 0; c < 3; ++c) {
        int32_t channel = direction > 0 ? Rgb[c] + Deviation[c] : Rgb[c] - Deviation[c];
        channel = std::max(channel, 0);
        channel = std::min(channel, 255);
        Rgb[c] = channel;
    }
    Colour = ToDisplayColour(Rgb);
}
