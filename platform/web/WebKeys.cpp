#include "platform/web/WebKeys.h"

#include <array>
#include <utility>

namespace quorvan {
namespace {

// Every key the game can be given, in one table. Letters and digits follow
// below from their names, as Windows numbers them by their ASCII codes; keys
// a US keyboard labels with punctuation keep the codes Windows gives them.
constexpr std::array<std::pair<std::string_view, int>, 66> Named{{
    {"Backspace", 8},
    {"Tab", 9},
    {"Enter", 13},
    {"NumpadEnter", 13},
    {"ShiftLeft", 16},
    {"ShiftRight", 16},
    {"ControlLeft", 17},
    {"ControlRight", 17},
    {"AltLeft", 18},
    {"AltRight", 18},
    {"Pause", 19},
    {"CapsLock", 20},
    {"Escape", 27},
    {"Space", 32},
    {"PageUp", 33},
    {"PageDown", 34},
    {"End", 35},
    {"Home", 36},
    {"ArrowLeft", 37},
    {"ArrowUp", 38},
    {"ArrowRight", 39},
    {"ArrowDown", 40},
    {"PrintScreen", 44},
    {"Insert", 45},
    {"Delete", 46},
    {"Help", 47},
    {"MetaLeft", 91},
    {"MetaRight", 92},
    {"OSLeft", 91},
    {"OSRight", 92},
    {"ContextMenu", 93},
    {"NumpadMultiply", 106},
    {"NumpadAdd", 107},
    {"NumpadSubtract", 109},
    {"NumpadDecimal", 110},
    {"NumpadDivide", 111},
    {"NumLock", 144},
    {"ScrollLock", 145},
    {"Semicolon", 186},
    {"Equal", 187},
    {"Comma", 188},
    {"Minus", 189},
    {"Period", 190},
    {"Slash", 191},
    {"Backquote", 192},
    {"BracketLeft", 219},
    {"Backslash", 220},
    {"BracketRight", 221},
    {"Quote", 222},
    {"IntlBackslash", 226},
    {"F1", 112},
    {"F2", 113},
    {"F3", 114},
    {"F4", 115},
    {"F5", 116},
    {"F6", 117},
    {"F7", 118},
    {"F8", 119},
    {"F9", 120},
    {"F10", 121},
    {"F11", 122},
    {"F12", 123},
    {"Clear", 12},
    {"NumpadClear", 12},
    {"IntlRo", 193},
    {"IntlYen", 220},
}};

constexpr int VkNumpad0 = 96;

}  // namespace

int VirtualKeyOfDomCode(std::string_view code) {
  if (code.size() == 4 && code.starts_with("Key") && code[3] >= 'A' && code[3] <= 'Z')
    return code[3];
  if (code.size() == 6 && code.starts_with("Digit") && code[5] >= '0' && code[5] <= '9')
    return code[5];
  if (code.size() == 7 && code.starts_with("Numpad") && code[6] >= '0' && code[6] <= '9')
    return VkNumpad0 + (code[6] - '0');
  for (const auto& [name, vk] : Named)
    if (name == code) return vk;
  return 0;
}

}  // namespace quorvan
