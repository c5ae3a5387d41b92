#include "screens/Toolkit.h"

#include <cassert>

namespace quorvan {
namespace {

Toolkit* installed = nullptr;

}  // namespace

Toolkit& Tk() {
  assert(installed && "no toolkit installed");
  return *installed;
}

void InstallToolkit(Toolkit* toolkit) { installed = toolkit; }

int FindControl(const WindowLayout& layout, std::string_view name, int index) {
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const ControlLayout& control = layout.controls[i];
    if (name == control.name && control.index == index) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace quorvan
