#include "platform/replay/ToolkitRelay.h"

#include <string_view>

namespace quorvan {

WindowId ToolkitRelay::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  auto tap = std::make_unique<Tap>(layout, events,
                                   [this](const PlayerInput& input) { return PlayerActs(input); });
  const WindowId w = inner_.CreateWindow(layout, *tap);
  taps_[w] = std::move(tap);
  return w;
}

void ToolkitRelay::DestroyWindow(WindowId w) {
  if (auto it = taps_.find(w); it != taps_.end()) it->second->loaded = false;
  inner_.DestroyWindow(w);
}

WindowEvents* ToolkitRelay::GameWindow(const char* name) const {
  for (const auto& [id, tap] : taps_) {
    if (tap->loaded && std::string_view(tap->layout.name) == name) return &tap->game;
  }
  return nullptr;
}

int ToolkitRelay::ControlIn(const char* window, const char* name, int index) const {
  for (const auto& [id, tap] : taps_) {
    if (tap->loaded && std::string_view(tap->layout.name) == window)
      return FindControl(tap->layout, name, index);
  }
  return -1;
}

const WindowLayout* ToolkitRelay::LayoutOf(WindowId w) const {
  const auto it = taps_.find(w);
  return it == taps_.end() ? nullptr : &it->second->layout;
}

}  // namespace quorvan
