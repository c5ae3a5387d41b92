#include "platform/web/WebZoom.h"

#include <algorithm>

namespace quorvan {

int ChooseZoom(int viewportWidth, int viewportHeight) {
  // In tenths of a pixel, so 90% stays whole.
  const long long width = std::max(viewportWidth, 0) * 9LL;
  const long long height = std::max(viewportHeight, 0) * 9LL;
  const long long zoom = std::min(width / (GameAreaWidth * 10LL), height / (GameAreaHeight * 10LL));
  return static_cast<int>(std::clamp(zoom, 1LL, 16LL));
}

double PageZoom(int viewportWidth, int viewportHeight) {
  const int whole = ChooseZoom(viewportWidth, viewportHeight);
  if (whole > 1) return whole;
  const double fit = std::min(std::max(viewportWidth, 0) / double{GameAreaWidth},
                              std::max(viewportHeight, 0) / double{GameAreaHeight});
  // A quarter is past reading; below it the game is left to overflow.
  return std::clamp(fit, 0.25, 1.0);
}

}  // namespace quorvan
