// Browser keys in the game's terms: the Windows virtual-key codes its key
// handlers know, from the physical key a KeyboardEvent names in `code`.
#pragma once

#include <string_view>

namespace quorvan {

// The virtual-key code of a KeyboardEvent.code ("ArrowLeft", "KeyP",
// "Numpad5"); 0 for a key the game has no name for.
int VirtualKeyOfDomCode(std::string_view code);

}  // namespace quorvan
