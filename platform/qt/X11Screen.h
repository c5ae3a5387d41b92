// The X server's own account of the primary screen, asked before the
// application exists.
#pragma once

#include <optional>

namespace quorvan {

struct ScreenArea {
  int width = 0;
  int height = 0;
};

// The part of the primary monitor that the desktop leaves to windows (its
// work area), in device pixels; nothing where DISPLAY names no X server that
// answers.
std::optional<ScreenArea> PrimaryWorkArea();

}  // namespace quorvan
