// The whole-number zoom the game's windows are drawn at: Qt's own scale
// factor, so twips stay the game's units and only the pixels grow.
#pragma once

namespace quorvan {

inline constexpr int LargestScale = 8;

// The largest whole scale at which the status panel and the playfield, with
// the panel's title bar, fit within 90% of a screen area of that many pixels.
int ChooseScale(int availableWidth, int availableHeight);

// Before the application exists: --scale N (1..LargestScale) sets the scale
// outright; 0 leaves it to the user's own setting or to ChooseScale.
void AskForScale(int scale);

// Before the application exists, where the scale is left to us and the
// display is an X server: the scale its primary work area calls for, asked of
// Qt at once, so that the application need not be made twice. 1 when nothing
// was asked.
int GuessScale();

// After the application exists: whether Qt's own account of the screen bears
// out a guess above 1. When it does not, the guess is withdrawn and the
// application must be made again.
bool GuessHeld(int guess);

// After the application exists: whether a scale should still be chosen
// (neither --scale, the environment nor the desktop has set one).
bool ScaleLeftToUs();

}  // namespace quorvan
