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

// After the application exists: whether a scale should still be chosen
// (neither --scale, the environment nor the desktop has set one).
bool ScaleLeftToUs();

}  // namespace quorvan
