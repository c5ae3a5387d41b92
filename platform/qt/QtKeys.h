// Qt key events in the game's terms: Windows virtual-key codes and the
// shift bits of its key handlers.
#pragma once

#include <Qt>

namespace quorvan {

inline constexpr int ShiftBit = 1;
inline constexpr int CtrlBit = 2;
inline constexpr int AltBit = 4;

// The virtual-key code of a Qt key; 0 for a key the game has no name for.
// Keypad keys (keypadModifier) give the codes of the numeric pad.
int VirtualKeyCode(int qtKey, bool keypad = false);

// Shift 1, Ctrl 2, Alt 4.
int ShiftBits(Qt::KeyboardModifiers modifiers);

}  // namespace quorvan
