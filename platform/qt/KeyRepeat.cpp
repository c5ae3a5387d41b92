#include "platform/qt/KeyRepeat.h"

// Qt first: X11's headers define macros that Qt's own names collide with.
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
// clang-format off
#include <X11/XKBlib.h>
#include <xcb/xcb.h>
// clang-format on

#include "platform/qt/QtKeys.h"

namespace quorvan {
namespace {

int repeatHolds = 0;

}  // namespace

void AskForPressOnlyRepeats() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->display() == nullptr) return;
  int supported = 0;
  XkbSetDetectableAutoRepeat(x11->display(), 1, &supported);
}

void HoldBackRepeats(bool hold) { repeatHolds += hold ? 1 : -1; }

void HeldKeys::Pressed(const QKeyEvent& key, int code) {
  const unsigned native = key.nativeScanCode();
  if (native == 0 || code == 0) return;
  Released(key);
  held_.emplace_back(native, code);
}

void HeldKeys::Released(const QKeyEvent& key) {
  const unsigned native = key.nativeScanCode();
  std::erase_if(held_, [native](const auto& held) { return held.first == native; });
}

std::optional<HeldKeys::Repeat> HeldKeys::RepeatOf(const QByteArray& type,
                                                   const void* message) const {
  if (held_.empty() || repeatHolds > 0 || type != "xcb_generic_event_t") return std::nullopt;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return std::nullopt;
  const auto* press = static_cast<const xcb_key_press_event_t*>(message);
  const auto held = std::find_if(held_.begin(), held_.end(),
                                 [press](const auto& h) { return h.first == press->detail; });
  if (held == held_.end()) return std::nullopt;
  // The state is the modifiers' before this press, as Qt reads it too.
  Qt::KeyboardModifiers modifiers;
  if (press->state & XCB_MOD_MASK_SHIFT) modifiers |= Qt::ShiftModifier;
  if (press->state & XCB_MOD_MASK_CONTROL) modifiers |= Qt::ControlModifier;
  if (press->state & XCB_MOD_MASK_1) modifiers |= Qt::AltModifier;
  return Repeat{held->second, ShiftBits(modifiers)};
}

}  // namespace quorvan
