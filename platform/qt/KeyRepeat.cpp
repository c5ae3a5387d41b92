#include "platform/qt/KeyRepeat.h"

// Qt first: X11's headers define macros that Qt's own names collide with.
#include <QGuiApplication>
// clang-format off
#include <X11/XKBlib.h>
// clang-format on

namespace quorvan {

void AskForPressOnlyRepeats() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->display() == nullptr) return;
  int supported = 0;
  XkbSetDetectableAutoRepeat(x11->display(), 1, &supported);
}

}  // namespace quorvan
