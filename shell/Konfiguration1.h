#pragma once
// The state every screen shares: the configuration with the level table,
// the process-wide game objects, the points total and the one random draw.
#include <QString>
#include <cstdint>
#include <vector>

class THardware;
class TChargenschwankungen;
class TMischregal;
class TAutoFarben;
class TAutoTypen;
class TTonvorlage;

struct TLevelParameter {
    float RezeptToleranz;
    float ChargenToleranz;
    int32_t Farbstreuung;
};

// Level index 0 is the most lenient; its picture is "PigmentraLevel1.bmp".
extern const TLevelParameter LevelTable[3];

// What each action adds to Punktestand; nothing else changes the total but
// the reset to 0 at each game start.
constexpr int32_t KostenLabordosierung = 100;         // a dose into the laboratory mixture
constexpr int32_t KostenProduktionsdosierung = 700;   // a dose into the production batch
constexpr int32_t KostenFarbenpruefung = 200;         // opening the colour check
constexpr int32_t KostenKundenmanager = 500;          // the customer manager's scene
constexpr int32_t KostenProduktionsbeschluss = 1000;  // handing a recipe in
constexpr int32_t KostenAutoproduktion = 2000;        // delivering a batch
constexpr int32_t KostenUeberlauf = 5000;             // confirming the overflow notice

class TKonfiguration {
public:
    int32_t MaxVorlagenfarben = 6;
    int32_t MaxRezeptfarben = 8;
    int32_t AnzahlAutofarben = 50;
    int32_t AnzahlLevel = 3;
    int32_t Level = 0;
    int32_t Produktionsphase = 0;
    int32_t Farbstreuung = 0;
    float RezeptToleranz = 20.0f;
    float ChargenToleranz = 10.0f;

    // Copies a level's parameters into the configuration.
    void ApplyLevel(int32_t level);
};

// Process-wide objects, created by the main menu's constructor in this order
// and freed by its destructor.
extern double Startzeit;
extern TKonfiguration* Konfiguration;
extern THardware* Hardware;
extern TChargenschwankungen* Chargenschwankungen;
extern TMischregal* Mischregal;
extern std::vector<TAutoFarben*> AutoFarbenListe;
extern std::vector<TAutoTypen*> AutoTypenListe;
extern TTonvorlage* AktuelleTonvorlage;  // owned by its car colour item
extern int32_t Punktestand;
extern QString Spielername;

// " 1300 Punkte": a blank, the total in decimal, " Punkte".
QString PointsText(int32_t points);

// The one random draw: 0 for n = 0 without a draw, else one draw mod n.
int32_t Zufallszahl(int32_t n);
// Seeds the generator (low 32 bits = seed, high 0, low scrambled once).
void Randomize(uint32_t seed);
// The game-start seed: milliseconds of the current UTC time of day.
uint32_t ClockSeed();
// The generator's raw state, for tests.
uint64_t RandomState();
