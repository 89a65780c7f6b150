#include "colour/Chargenschwankungen1.h"

#include "colour/Mischregal1.h"
#include "colour/Spielhinweise.h"
#include "platform/Clock.h"
#include "platform/Toolkit.h"

#include <cmath>

namespace {
constexpr int64_t MillisecondsPerDay = 86400000;
}

TChargenschwankungen::TChargenschwankungen(double startTime) : LastChange(startTime) {}

void TChargenschwankungen::Check(TMischregal* shelf) {
    const double now = Clock().LocalTimeOfDay();
    const double elapsed = now - LastChange;
    // Only the time of day counts: across midnight the difference turns
    // negative and its magnitude is taken.
    int64_t ms = std::llround(elapsed * double(MillisecondsPerDay));
    if (ms < 0)
        ms = -ms;
    ms %= MillisecondsPerDay;
    const int64_t hours = ms / 3600000;
    const int64_t minutes = ms / 60000 % 60;
    const int64_t seconds = ms / 1000 % 60;
    const int64_t wholeSeconds = hours * 3600 + minutes * 60 + seconds;
    if (double(wholeSeconds) > Interval) {
        // The drift happens even when its notice fails (its sound is
        // missing): the failure is reported and the player's action goes on.
        // Were the clock left behind, every later action would fail again.
        if (Spielhinweise.NeueBasisfarben)
            Guard(Spielhinweise.NeueBasisfarben);
        LastChange = now;
        if (shelf)
            shelf->Fluctuate(Range);
    }
}
