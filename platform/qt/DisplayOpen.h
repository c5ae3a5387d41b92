// Opening the display: which Qt platform to ask for, and one clear line
// instead of the toolkit's abort when none can be opened.
#pragma once

namespace quorvan {

// Under Wayland with XWayland beside it, asks for xcb: the game places its
// windows relative to one another, which Wayland does not let a client do.
// Leaves a platform chosen by the user or the environment alone.
void PreferX11UnderWayland();

// From now until DisplayOpened(), the toolkit's messages are held back, and
// a fatal one (no display, no usable platform plugin) ends the program with
// one line on stderr and exit code 1.
void WatchDisplayOpening();
// The display is open: held messages go out as usual.
void DisplayOpened();

}  // namespace quorvan
