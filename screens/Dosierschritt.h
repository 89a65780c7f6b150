#pragma once
// What the laboratory and the production screen have in common: the parts of
// a dosing step and keeping the test panel current after the mixture changed.
#include <QString>

class TChargenblech;
class THistorie;
class TMediaPlayer;
class TPicture;
class QWidget;

// The jet's pause for one addition: ten milliseconds per unit added,
// truncated, at most half a second; no pause when nothing was added or the
// amount was lowered.
int DosingPause(double added);

// Mixes the shelf into the panel, fills the panel picture with the mixture,
// rebuilds the recipe grid and measures the colour against the target.
void RefreshPanel(TChargenblech* panel, TPicture* picture);

// The first steps of an addition: the selected base colour takes the track
// bar's amount, the shelf recounts its colours in use, the panel is mixed.
void TakeAddition(TChargenblech* panel, TPicture* picture);

// Books an addition: the fill sound (when sound is on), the cost, and the
// history row of the selected base colour.
void BookAddition(TMediaPlayer* player, int cost, THistorie* history);

// Shows the jet and paints it at once, so it stays on screen while the game
// pauses.
void ShowJet(TPicture* jet);
