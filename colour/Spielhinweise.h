#pragma once
// The notices the colour model raises while the player works. The model
// knows no dialogs: the main menu wires these to the game's notices when it
// creates the game objects, and clears them when it frees them. A notice
// that is not wired is skipped.
#include <functional>

struct TSpielhinweise {
    // The base colours are about to change; returns when confirmed.
    std::function<void()> NeueBasisfarben;
    // A further base colour would pass the recipe's limit; returns at once.
    std::function<void()> MaxBasisfarben;
    // The customer manager presses for speed; returns when confirmed.
    std::function<void()> Kundenmanager;
};

extern TSpielhinweise Spielhinweise;
