#pragma once
// The running list of additions in the screen's history grid; also where the
// impatient customer manager is called in.
class TMischregal;

class THistorie {
public:
    int Count = 0;

    explicit THistorie(TMischregal* shelf);
    void Clear(TMischregal* shelf);
    void AddRow(TMischregal* shelf, int index);
};
