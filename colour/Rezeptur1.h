#pragma once
// A recipe: which base colours (by shelf index) in which amounts.
#include <vector>

class TMischregal;
class TStringGrid;

class TRezeptur {
public:
    TStringGrid* Grid = nullptr;
    std::vector<int> Indices;     // capacity MaxRezeptfarben
    std::vector<double> Amounts;  // same capacity
    double Total = 0.0;
    int Count = 0;

    explicit TRezeptur(TMischregal* shelf);

    void FillFromShelf(TMischregal* shelf);
    void ClearGrid();
};
