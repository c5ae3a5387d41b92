// Opening the display: which Qt platform to ask for, one clear line instead
// of the toolkit's abort when none can be opened, and how held keys repeat.
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

// Asks the X server to repeat a held key as key presses alone, as it does
// for games that ask: without it every repeat comes as a release and a
// press, each one more wake-up for the game, though the game sees the same
// presses either way. Elsewhere (Wayland, offscreen) this does nothing.
void AskForPressOnlyRepeats();

}  // namespace quorvan
