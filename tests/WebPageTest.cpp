#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "platform/web/WebKeys.h"
#include "platform/web/WebZoom.h"

namespace quorvan {
namespace {

// The keys the game listens for, and their neighbours a table could mix up.
TEST(WebKeys, BrowserKeysGiveTheWindowsCodesTheGameKnows) {
  const std::pair<std::string_view, int> table[] = {
      {"ArrowLeft", 37},   {"ArrowRight", 39},  {"ArrowUp", 38},      {"ArrowDown", 40},
      {"Space", 32},       {"ControlLeft", 17}, {"ControlRight", 17}, {"ShiftLeft", 16},
      {"ShiftRight", 16},  {"AltLeft", 18},     {"AltRight", 18},     {"Pause", 19},
      {"KeyP", 'P'},       {"KeyA", 'A'},       {"KeyZ", 'Z'},        {"Enter", 13},
      {"NumpadEnter", 13}, {"Escape", 27},      {"Digit0", '0'},      {"Digit9", '9'},
      {"Numpad0", 96},     {"Numpad9", 105},    {"NumpadAdd", 107},   {"NumpadDecimal", 110},
      {"F1", 112},         {"F12", 123},        {"Minus", 189},       {"Equal", 187},
      {"Semicolon", 186},  {"Quote", 222},      {"Backquote", 192},   {"BracketLeft", 219},
      {"Backslash", 220},  {"Slash", 191},      {"Period", 190},      {"Comma", 188},
      {"Tab", 9},          {"Backspace", 8},    {"Delete", 46},       {"Insert", 45},
      {"Home", 36},        {"End", 35},         {"PageUp", 33},       {"PageDown", 34},
  };
  for (const auto& [code, vk] : table) EXPECT_EQ(VirtualKeyOfDomCode(code), vk) << code;
}

TEST(WebKeys, KeysWithoutACodeGiveNothing) {
  for (const std::string_view code : {"", "Key", "KeyAA", "Keya", "Digit", "Digit10", "Numpad",
                                      "NumpadX", "Fn", "F", "Unidentified", "arrowleft"})
    EXPECT_EQ(VirtualKeyOfDomCode(code), 0) << code;
}

// Viewport in CSS pixels: the game's area (660 x 500) must fit 90% of it.
TEST(WebZoom, TheLargestWholeZoomFittingNineTenthsOfTheViewport) {
  struct Row {
    int width, height, zoom;
  };
  const Row table[] = {
      {1280, 720, 1},   // a laptop: 2 x 500 is more than 648
      {1920, 1080, 1},  // 1080 x 0.9 = 972 < 1000
      {1920, 1112, 2},  // 1112 x 0.9 = 1000.8
      {1467, 1112, 2},  // 1467 x 0.9 = 1320.3, just room for 2 x 660
      {1466, 1112, 1},  // 1319.4: no longer
      {2560, 1440, 2}, {3840, 2160, 3}, {7680, 4320, 7},      {800, 600, 1}, {640, 480, 1},
      {0, 0, 1},       {-5, 100, 1},    {100000, 100000, 16},  // beyond any screen: held at 16
  };
  for (const auto& row : table)
    EXPECT_EQ(ChooseZoom(row.width, row.height), row.zoom) << row.width << "x" << row.height;
}

// Where zoom 1 does not fit (a phone, the more so with the touch buttons
// beneath), the page shrinks to fit; where it fits, it stays whole.
TEST(WebZoom, AFractionOnlyWhereEvenZoomOneDoesNotFit) {
  struct Row {
    int width, height;
    double zoom;
  };
  const Row table[] = {
      {915, 328, 328 / 500.0},  // a phone held sideways, less the touch buttons
      {412, 800, 412 / 660.0},  // upright: the width is short
      {660, 500, 1},           {659, 500, 659 / 660.0}, {1920, 1112, 2},
      {100, 100, 0.25},        {-5, -5, 0.25},
  };
  for (const auto& row : table)
    EXPECT_DOUBLE_EQ(PageZoom(row.width, row.height), row.zoom) << row.width << "x" << row.height;
}

}  // namespace
}  // namespace quorvan
