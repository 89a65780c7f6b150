#pragma once
// What the laboratory and the production screen have in common: the parts of
// a dosing step, keeping the test panel current after the mixture changed,
// and the building blocks of their layouts.
#include <QLabel>
#include <QString>
#include <functional>

class TChargenblech;
class THistorie;
class TMediaPlayer;
class TColourBox;
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

// Layout helpers.
TColourBox* MakeGroupBox(QWidget* parent, const QString& name, int x, int y, int w, int h);
// A title box with its blue strip, as wide as the box.
TColourBox* MakeTitleBox(QWidget* parent, const QString& boxName, const QString& stripName, const QString& text,
                         int x, int y, int w, int h);
// A picture with artwork the game needs: a missing file stops the caller.
TPicture* MakeArtwork(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h);
// A picture with decorative artwork: drawn when the file is there.
TPicture* MakeDecoration(QWidget* parent, const QString& name, const QString& file, int x, int y, int w, int h);

// An invisible area that reacts to a click.
class TClickArea : public QLabel {
public:
    TClickArea(QWidget* parent, const QString& name, int x, int y, int w, int h);
    std::function<void()> OnClick;  // run through the guard

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
