// Colours the windows are drawn in.
#pragma once

#include <array>

#include "screens/Toolkit.h"

namespace quorvan {

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Grey{128, 128, 128};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Green{0, 255, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb Cyan{0, 255, 255};
inline constexpr Rgb Magenta{255, 0, 255};
inline constexpr Rgb Yellow{255, 255, 0};
inline constexpr Rgb Purple{192, 0, 192};
inline constexpr Rgb LightYellow{255, 255, 128};
inline constexpr Rgb LightCyan{128, 255, 255};
inline constexpr Rgb LightGreen{128, 255, 128};

// The sixteen colours of the old desktop palette, by index.
inline constexpr std::array<Rgb, 16> Palette16 = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};

// Font names as the windows ask for them; the toolkit maps them to installed fonts.
inline constexpr const char* PGothic = "ＭＳ Ｐゴシック";
inline constexpr const char* Gothic = "ＭＳ ゴシック";
inline constexpr const char* PMincho = "ＭＳ Ｐ明朝";
inline constexpr const char* TimesRoman = "Times New Roman";

}  // namespace quorvan
