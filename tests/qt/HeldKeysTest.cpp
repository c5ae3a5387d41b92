// X repeats of a held key reach the game past Qt, and nothing else does.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QKeyEvent>

#include "platform/qt/KeyRepeat.h"

namespace quorvan {
namespace {

constexpr unsigned Right = 114;  // X key code

// What the game gets from an X event of TYPE for KEY with STATE: code*10 +
// shift bits, or -1 where the event is left to Qt.
int Got(const HeldKeys& held, std::uint8_t type, unsigned key, std::uint16_t state = 0,
        const char* kind = "xcb_generic_event_t") {
  xcb_key_press_event_t event{};
  event.response_type = type;
  event.detail = static_cast<xcb_keycode_t>(key);
  event.state = state;
  const auto repeat = held.RepeatOf(kind, &event);
  return repeat ? repeat->code * 10 + repeat->shift : -1;
}

TEST(HeldKeys, OnlyARepeatOfAKeyStillHeldGoesPastQt) {
  HeldKeys held;
  const auto press = [&held](int code) {
    held.Pressed(QKeyEvent(QEvent::KeyPress, Qt::Key_Right, {}, Right, 0, 0), code);
  };
  press(39);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right), 390);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS | 0x80, Right), 390) << "sent by a client";
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1), 396);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right, XCB_MOD_MASK_SHIFT), 391);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right + 1), -1) << "another key";
  EXPECT_EQ(Got(held, XCB_KEY_RELEASE, Right), -1);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right, 0, "windows_generic_MSG"), -1);
  HoldBackRepeats(true);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right), -1) << "an entry is open";
  HoldBackRepeats(false);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right), 390) << "the entry closed";
  held.Released(QKeyEvent(QEvent::KeyRelease, Qt::Key_Right, {}, Right, 0, 0));
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right), -1) << "released";
  press(39);
  held.Clear();
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right), -1) << "focus lost";
  press(0);
  EXPECT_EQ(Got(held, XCB_KEY_PRESS, Right), -1) << "a key the game has no name for";
}

}  // namespace
}  // namespace quorvan
