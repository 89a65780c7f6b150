#pragma once
// New batches of base colours: more than two minutes after the last change
// the base colours drift, announced by a modal notice.
class TMischregal;

class TChargenschwankungen {
public:
    double LastChange = 0.0;  // time of day, fraction of a day
    int Range = 20;
    double Interval = 120.0;

    explicit TChargenschwankungen(double startTime);
    void Check(TMischregal* shelf);
};
