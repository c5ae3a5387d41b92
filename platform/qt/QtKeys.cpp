#include "platform/qt/QtKeys.h"

#include <unordered_map>

namespace quorvan {
namespace {

constexpr int VkNumpad0 = 96;
constexpr int VkF1 = 112;
constexpr int FunctionKeys = 24;

// Keys whose code does not follow from a range. Shifted punctuation of a US
// keyboard names the key it sits on, as Windows does ("!" is the 1 key).
const std::unordered_map<int, int>& NamedKeys() {
  static const std::unordered_map<int, int> keys{
      {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},           {Qt::Key_Backtab, 9},
      {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},       {Qt::Key_Enter, 13},
      {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},      {Qt::Key_Alt, 18},
      {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},        {Qt::Key_CapsLock, 20},
      {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},        {Qt::Key_PageUp, 33},
      {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},          {Qt::Key_Home, 36},
      {Qt::Key_Left, 37},        {Qt::Key_Up, 38},           {Qt::Key_Right, 39},
      {Qt::Key_Down, 40},        {Qt::Key_Print, 44},        {Qt::Key_Insert, 45},
      {Qt::Key_Delete, 46},      {Qt::Key_Help, 47},         {Qt::Key_Meta, 91},
      {Qt::Key_Super_L, 91},     {Qt::Key_Super_R, 92},      {Qt::Key_Menu, 93},
      {Qt::Key_NumLock, 144},    {Qt::Key_ScrollLock, 145},  {Qt::Key_Semicolon, 186},
      {Qt::Key_Colon, 186},      {Qt::Key_Equal, 187},       {Qt::Key_Plus, 187},
      {Qt::Key_Comma, 188},      {Qt::Key_Less, 188},        {Qt::Key_Minus, 189},
      {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},      {Qt::Key_Greater, 190},
      {Qt::Key_Slash, 191},      {Qt::Key_Question, 191},    {Qt::Key_QuoteLeft, 192},
      {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
      {Qt::Key_Backslash, 220},  {Qt::Key_Bar, 220},         {Qt::Key_BracketRight, 221},
      {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},  {Qt::Key_QuoteDbl, 222},
      {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},          {Qt::Key_NumberSign, '3'},
      {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},     {Qt::Key_AsciiCircum, '6'},
      {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},    {Qt::Key_ParenLeft, '9'},
      {Qt::Key_ParenRight, '0'},
  };
  return keys;
}

// The numeric pad: * + - . / after the digits.
const std::unordered_map<int, int>& PadKeys() {
  static const std::unordered_map<int, int> keys{
      {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109}, {Qt::Key_Period, 110},
      {Qt::Key_Comma, 110},    {Qt::Key_Slash, 111}, {Qt::Key_Enter, 13},  {Qt::Key_Return, 13},
  };
  return keys;
}

}  // namespace

int VirtualKeyCode(int qtKey, bool keypad) {
  if (keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VkNumpad0 + (qtKey - Qt::Key_0);
    if (auto it = PadKeys().find(qtKey); it != PadKeys().end()) return it->second;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey < Qt::Key_F1 + FunctionKeys) return VkF1 + (qtKey - Qt::Key_F1);
  if (auto it = NamedKeys().find(qtKey); it != NamedKeys().end()) return it->second;
  return 0;
}

int ShiftBits(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ShiftModifier) bits |= ShiftBit;
  if (modifiers & Qt::ControlModifier) bits |= CtrlBit;
  if (modifiers & Qt::AltModifier) bits |= AltBit;
  return bits;
}

}  // namespace quorvan
