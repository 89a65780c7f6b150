#pragma once
// The game in play: its test panel and shade history, and the one place
// where a game ends. Both game screens reach the game's panel and history
// here; ending a game closes every dialog that belongs to it. Owned by the
// main menu, like the other game objects.
#include <memory>

class TChargenblech;
class THistorie;

class TSpiel {
public:
    TSpiel();
    ~TSpiel();
    TSpiel(const TSpiel&) = delete;
    TSpiel& operator=(const TSpiel&) = delete;

    // Created by the laboratory's set-up of each game, freed when it ends.
    std::unique_ptr<TChargenblech> Blech;
    std::unique_ptr<THistorie> Historie;
    // Quality control has accepted the batch and its record is written: the
    // game is decided, and nothing more is charged or recorded.
    bool BatchAkzeptiert = false;

    bool Laeuft() const { return Blech && Historie; }

    // Ends the game, whether abandoned ("Vissza", "Vége") or finished by the
    // accepted verdict: closes the game's dialogs and both game screens and
    // frees the panel and the history. The main menu comes to the front when
    // the screens' modal runs have returned.
    void Beenden();
    // Closes the dialogs that belong to a game in the laboratory: the colour
    // check, the production decision and the notice about too many base
    // colours. Done when production starts, too.
    void LaborDialogeSchliessen();
    // Shows the points total on the game screens at once.
    void PunkteZeigen();
};

extern TSpiel* Spiel;
