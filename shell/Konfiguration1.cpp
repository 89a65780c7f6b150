#include "shell/Konfiguration1.h"

#include "platform/Clock.h"

const TLevelParameter LevelTable[3] = {
    {30.0f, 12.5f, 0},
    {20.0f, 7.5f, 20},
    {20.0f, 7.5f, 40},
};

void TKonfiguration::ApplyLevel(int32_t level) {
    Level = level;
    RezeptToleranz = LevelTable[level].RezeptToleranz;
    ChargenToleranz = LevelTable[level].ChargenToleranz;
    Farbstreuung = LevelTable[level].Farbstreuung;
}

double Startzeit = 0.0;
TKonfiguration* Konfiguration = nullptr;
THardware* Hardware = nullptr;
TChargenschwankungen* Chargenschwankungen = nullptr;
TMischregal* Mischregal = nullptr;
std::vector<TAutoFarben*> AutoFarbenListe;
std::vector<TAutoTypen*> AutoTypenListe;
TTonvorlage* AktuelleTonvorlage = nullptr;
int32_t Punktestand = 0;
QString Spielername;

QString PointsText(int32_t points) { return QStringLiteral(" %1 Punkte").arg(points); }

namespace {
// Seeded with 1 at program start, before any screen exists, so the car
// colour catalogue is the same on every run.
uint64_t state = 22695478u;  // the state after seeding with 1
}  // namespace

void Randomize(uint32_t seed) { state = uint64_t(uint32_t(seed * 22695477u + 1u)); }

int32_t Zufallszahl(int32_t n) {
    if (n <= 0)
        return 0;
    state = state * 1486058704437ull + 1ull;  // multiplier 346 × 2^32 + 20021
    const uint32_t v = uint32_t(state >> 32) & 0x7FFFFFFFu;
    return int32_t(v % uint32_t(n));
}

uint32_t ClockSeed() {
    const QTime t = Clock().UtcTime();
    return uint32_t(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 + t.msec());
}

uint64_t RandomState() { return state; }
