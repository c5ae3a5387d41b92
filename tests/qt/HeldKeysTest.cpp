// X repeats of a held key reach the game past Qt, and nothing else does.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QKeyEvent>

#include "platform/qt/KeyRepeat.h"

namespace quorvan {
namespace {

constexpr unsigned RightKeycode = 114;

QKeyEvent Key(QEvent::Type type, unsigned keycode) {
  return QKeyEvent(type, Qt::Key_Right, Qt::NoModifier, keycode, 0, 0);
}

xcb_key_press_event_t XEvent(std::uint8_t type, unsigned keycode, std::uint16_t state) {
  xcb_key_press_event_t event{};
  event.response_type = type;
  event.detail = static_cast<xcb_keycode_t>(keycode);
  event.state = state;
  return event;
}

TEST(HeldKeys, OnlyARepeatOfAKeyStillHeldGoesPastQt) {
  HeldKeys held;
  held.Pressed(Key(QEvent::KeyPress, RightKeycode), 39);
  struct Case {
    const char* what;
    xcb_key_press_event_t event;
    const char* type;
    int code;  // -1: left to Qt
    int shift;
  } cases[] = {
      {"a repeat", XEvent(XCB_KEY_PRESS, RightKeycode, 0), "xcb_generic_event_t", 39, 0},
      {"sent by a client", XEvent(XCB_KEY_PRESS | 0x80, RightKeycode, 0), "xcb_generic_event_t", 39,
       0},
      {"with Ctrl and Alt down",
       XEvent(XCB_KEY_PRESS, RightKeycode, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1),
       "xcb_generic_event_t", 39, 6},
      {"with Shift down", XEvent(XCB_KEY_PRESS, RightKeycode, XCB_MOD_MASK_SHIFT),
       "xcb_generic_event_t", 39, 1},
      {"another key", XEvent(XCB_KEY_PRESS, RightKeycode + 1, 0), "xcb_generic_event_t", -1, 0},
      {"its release", XEvent(XCB_KEY_RELEASE, RightKeycode, 0), "xcb_generic_event_t", -1, 0},
      {"another kind of event", XEvent(XCB_KEY_PRESS, RightKeycode, 0), "windows_generic_MSG", -1,
       0},
  };
  for (const Case& c : cases) {
    const auto repeat = held.RepeatOf(c.type, &c.event);
    EXPECT_EQ(repeat ? repeat->code : -1, c.code) << c.what;
    EXPECT_EQ(repeat ? repeat->shift : 0, c.shift) << c.what;
  }
}

TEST(HeldKeys, ReleasedClearedOrHeldBackTheRepeatIsQts) {
  const xcb_key_press_event_t repeat = XEvent(XCB_KEY_PRESS, RightKeycode, 0);
  HeldKeys held;
  held.Pressed(Key(QEvent::KeyPress, RightKeycode), 39);
  held.Released(Key(QEvent::KeyRelease, RightKeycode));
  EXPECT_FALSE(held.RepeatOf("xcb_generic_event_t", &repeat)) << "released";
  held.Pressed(Key(QEvent::KeyPress, RightKeycode), 39);
  held.Clear();
  EXPECT_FALSE(held.RepeatOf("xcb_generic_event_t", &repeat)) << "focus lost";
  held.Pressed(Key(QEvent::KeyPress, RightKeycode), 0);
  EXPECT_FALSE(held.RepeatOf("xcb_generic_event_t", &repeat)) << "a key the game has no name for";
  held.Pressed(Key(QEvent::KeyPress, RightKeycode), 39);
  HoldBackRepeats(true);
  EXPECT_FALSE(held.RepeatOf("xcb_generic_event_t", &repeat)) << "an entry is open";
  HoldBackRepeats(false);
  EXPECT_TRUE(held.RepeatOf("xcb_generic_event_t", &repeat)) << "the entry closed";
}

}  // namespace
}  // namespace quorvan
