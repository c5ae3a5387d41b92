// How large the page shows the game: every picture is drawn at a whole
// number of the browser's pixels to the game's, so it stays sharp.
#pragma once

namespace quorvan {

// The room the game's windows take on their screen, in the game's pixels:
// the playfield with the status panel standing on it, both framed, centred as
// the game centres them.
inline constexpr int GameAreaWidth = 660;
inline constexpr int GameAreaHeight = 500;

// The largest whole-number zoom at which the game's area fits 90% of a
// viewport of this size in CSS pixels; 1 when even that does not fit.
int ChooseZoom(int viewportWidth, int viewportHeight);

// The zoom the page draws at: ChooseZoom's, except where even zoom 1 leaves
// part of the game's area outside the viewport (a phone held sideways): then
// the fraction that just fits it, so the character's row stays in sight.
double PageZoom(int viewportWidth, int viewportHeight);

}  // namespace quorvan
