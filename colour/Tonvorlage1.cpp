#include "colour/Tonvorlage1.h"

#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "colour/Rezeptur1.h"
#include "platform/Picture.h"
#include "shell/Konfiguration1.h"

#include <algorithm>

TTonvorlage::TTonvorlage(const QString& name, TMischregal* shelf)
    : Name(name), Rezeptur(std::make_unique<TRezeptur>(shelf)) {
    const int shelfSize = shelf ? shelf->Count : 0;
    const int maxColours = Konfiguration ? Konfiguration->MaxVorlagenfarben : 6;
    const int bound = std::min(maxColours, shelfSize);

    // Three to bound − 1 components. A bound below 4 could never give three;
    // the standard shelf and configuration never come near that.
    int count = 0;
    if (bound >= 4) {
        do
            count = Zufallszahl(bound);
        while (count < 3);
    } else {
        count = std::max(0, std::min(3, shelfSize));
    }
    if (count > int(Rezeptur->Indices.size())) {
        Rezeptur->Indices.resize(count);
        Rezeptur->Amounts.resize(count);
    }
    Rezeptur->Count = count;

    double total = 0.0;
    for (int i = 0; i < count; ++i) {
        int index = 0;
        bool taken = true;
        while (taken) {
            index = Zufallszahl(shelfSize);
            taken = std::find(Rezeptur->Indices.begin(), Rezeptur->Indices.begin() + i, index) !=
                    Rezeptur->Indices.begin() + i;
        }
        Rezeptur->Indices[i] = index;
        Rezeptur->Amounts[i] = Zufallszahl(100);
        total = total + Rezeptur->Amounts[i];
    }
    // Every amount drawn as 0 would leave nothing to divide by: the same
    // components get new amounts until at least one is positive.
    while (count > 0 && total == 0.0) {
        for (int i = 0; i < count; ++i) {
            Rezeptur->Amounts[i] = Zufallszahl(100);
            total = total + Rezeptur->Amounts[i];
        }
    }

    Rgb = ColourOfRecipe(*Rezeptur, shelf);
    Colour = ToDisplayColour(Rgb);
    Lab.SetFromRGB(Rgb);
}

RgbTriple TTonvorlage::ColourOfRecipe(const TRezeptur& recipe, const TMischregal* shelf) {
    RgbTriple rgb;
    double total = 0.0;
    for (int i = 0; i < recipe.Count; ++i)
        total = total + recipe.Amounts[i];
    if (!shelf || total == 0.0)
        return rgb;
    // Truncated after every component, so the shade comes out up to a few
    // units below the exact weighted average.
    for (int i = 0; i < recipe.Count; ++i) {
        const int index = recipe.Indices[i];
        if (index < 0 || index >= int(shelf->Basisfarben.size()))
            continue;
        const RgbTriple& base = shelf->Basisfarben[index]->Rgb;
        const double amount = recipe.Amounts[i];
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<int32_t>(rgb[c] + base[c] * amount / total);
    }
    return rgb;
}

TTonvorlage::~TTonvorlage() = default;

void TTonvorlage::Paint(TPicture* canvas) const {
    if (canvas)
        canvas->FillClip(ToQColor(Colour));
}
