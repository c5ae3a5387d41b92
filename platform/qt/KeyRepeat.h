// Held keys on X11.
#pragma once

namespace quorvan {

// Asks the X server to repeat a held key as key presses alone, as it does
// for games that ask: without it every repeat comes as a release and a
// press, and each is one more wake-up for the game and for Qt's reader of
// the display, though the game sees the same presses either way. Only the
// game's own connection is affected; elsewhere (Wayland, offscreen) this
// does nothing.
void AskForPressOnlyRepeats();

}  // namespace quorvan
