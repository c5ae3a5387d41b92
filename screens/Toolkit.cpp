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

}  // namespace quorvan
