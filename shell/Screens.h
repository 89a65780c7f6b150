#pragma once
// Start-up: the twelve screens, created once in a fixed order and kept until
// the program ends.

// Creates the screens in order; each global refers to its screen from the
// start of its construction. Raises ToolkitError when a screen's files
// cannot be loaded.
void CreateScreens();
// Destroys whichever screens exist, last created first.
void DestroyScreens();

// The start-up of the program short of running the event loop: names the
// application, seeds the random draw with 1, creates the screens and shows
// the start screen. Returns false after a start-up failure was shown (no
// screen is left).
bool StartProgram();
// The whole program: as StartProgram, but the screens after the start screen
// are built right after the start screen's first paint (the pictures they
// need are read before any screen shows, so a missing one still ends the
// start at once); then the event loop, the screens destroyed. A failure
// while the later screens are built is shown and ends the program. Returns 0.
int RunProgram();
