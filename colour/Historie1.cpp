#include "colour/Historie1.h"

#include "colour/Basisfarbe1.h"
#include "colour/Mischregal1.h"
#include "colour/Spielhinweise.h"
#include "platform/Controls.h"
#include "shell/Konfiguration1.h"

THistorie::THistorie(TMischregal* shelf) { Clear(shelf); }

void THistorie::Clear(TMischregal* shelf) {
    Count = 0;
    if (TStringGrid* grid = shelf ? shelf->HistoryGrid : nullptr) {
        grid->SetColCount(0);
        grid->SetRowCount(0);
    }
}

void THistorie::AddRow(TMischregal* shelf, int index) {
    if (!shelf || index < 0 || index >= int(shelf->Basisfarben.size()))
        return;
    const TBasisfarbe& colour = *shelf->Basisfarben[index];
    const int n = Count;
    TStringGrid* grid = shelf->HistoryGrid;
    if (grid) {
        grid->setVisible(true);
        grid->SetColCount(4);
        grid->SetCell(0, 0, QStringLiteral("#"));
        grid->SetCell(1, 0, QStringLiteral("Basis."));
        grid->SetCell(2, 0, QStringLiteral("Menge"));
        grid->SetRowCount(1);
        grid->SetColWidth(0, 20);
        grid->SetColWidth(1, 40);
        grid->SetColWidth(2, 50);
        grid->SetColWidth(3, 0);  // the fourth column stays hidden
        grid->SetCol(3);
        grid->SetCell(0, n + 1, QString::number(n + 1));
        grid->SetCell(1, n + 1, colour.Code);
        grid->SetCell(2, n + 1, QString::asprintf("%8.2f", colour.Amount - colour.PreviousAmount));
    }
    Count = n + 1;

    // The customer manager loses patience now and then: the divisor is drawn
    // anew at every addition and lies between 5 and 14.
    const int32_t r = Zufallszahl(15);
    const int32_t divisor = r >= 5 ? r : 5;
    if (Count % divisor == 0 && Spielhinweise.Kundenmanager)
        Spielhinweise.Kundenmanager();

    if (grid) {
        grid->SetRowCount(Count + 1);
        grid->SetRow(Count);
    }
}
