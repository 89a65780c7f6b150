#include "colour/Rezeptur1.h"

#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "platform/Controls.h"
#include "shell/Konfiguration1.h"

TRezeptur::TRezeptur(TMischregal* shelf) {
    Grid = shelf ? shelf->RecipeGrid : nullptr;
    const int capacity = Konfiguration ? Konfiguration->MaxRezeptfarben : 8;
    Indices.assign(std::max(capacity, 0), 0);
    Amounts.assign(std::max(capacity, 0), 0.0);
    Total = 0.0;
    Count = 0;
}

void TRezeptur::FillFromShelf(TMischregal* shelf) {
    if (Grid) {
        Grid->setVisible(true);
        Grid->SetCell(0, 0, QStringLiteral("Basis."));
        Grid->SetCell(1, 0, QStringLiteral("Menge"));
        Grid->SetCell(2, 0, QStringLiteral(" "));
        Grid->SetRowCount(1);
    }
    Count = 0;
    Total = 0.0;
    int nextRow = 1;
    if (shelf) {
        for (const auto& colour : shelf->Basisfarben) {
            if (!(colour->Amount > 0.0))
                continue;
            // The selection rule keeps a mixture within the capacity; should
            // it ever be passed, the recipe grows rather than lose a component.
            if (Count >= int(Indices.size())) {
                Indices.resize(Count + 1);
                Amounts.resize(Count + 1);
            }
            Amounts[Count] = colour->Amount;
            Indices[Count] = colour->Index;
            Total = Total + colour->Amount;
            ++Count;
            if (Grid) {
                Grid->SetCell(0, nextRow, colour->Code);
                Grid->SetCell(1, nextRow, QString::asprintf("%8.2f", colour->Amount));
            }
            ++nextRow;
            if (Grid) {
                Grid->SetRowCount(nextRow);
                Grid->SetColCount(3);
            }
        }
    }
    if (Grid) {
        Grid->SetColWidth(0, 40);
        Grid->SetColWidth(1, 60);
        Grid->SetColWidth(2, 0);  // the third column stays hidden
        Grid->SetCol(2);
    }
}

void TRezeptur::ClearGrid() {
    if (!Grid)
        return;
    Grid->SetColCount(3);
    Grid->SetRowCount(1);
    for (int row = 0; row < 3; ++row)
        Grid->SetCell(0, row, QStringLiteral(" "));
    Grid->SetCol(2);
}
