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

}  // namespace quorvan
