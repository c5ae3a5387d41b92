// The whole-number zoom the game's windows are drawn at: the toolkit's own,
// so twips stay the game's units and only the pixels grow.
#pragma once

namespace quorvan {

inline constexpr int LargestScale = 8;

// The largest whole scale at which the status panel and the playfield, with
// the panel's title bar, fit within 90% of a screen area of that many pixels.
int ChooseScale(int availableWidth, int availableHeight);

// The largest whole scale at which the pair, frames and all, fills a whole
// screen of that many pixels: fullscreen's.
int ChooseFullscreenScale(int screenWidth, int screenHeight);

// Before the application exists: --scale N (1..LargestScale) is the whole
// zoom, so Qt is asked for no scale of its own; 0 changes nothing.
void AskForScale(int scale);

// Once the application exists: the zoom for the toolkit. --scale N gives N;
// a scale the user or the desktop has set for Qt is left to do the work (1);
// else the primary screen's free area chooses.
int ChooseZoom(int scale);
// The same for fullscreen, on the primary screen's whole area.
int ChooseFullscreenZoom(int scale);

}  // namespace quorvan
