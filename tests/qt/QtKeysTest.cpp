#include <gtest/gtest.h>

#include "platform/qt/QtKeys.h"

namespace quorvan {
namespace {

TEST(QtKeys, ArrowsSpaceAndModifiersGiveTheGamesCodes) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Left), 37);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Up), 38);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Right), 39);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Down), 40);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Space), 32);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Shift), 16);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Control), 17);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Alt), 18);
}

TEST(QtKeys, EditingAndLockKeys) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Return), 13);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Enter), 13);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Escape), 27);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Tab), 9);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Backtab), 9);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Backspace), 8);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_ScrollLock), 145);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_NumLock), 144);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Menu), 93);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Insert), 45);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Delete), 46);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Home), 36);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_End), 35);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_PageUp), 33);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_PageDown), 34);
}

TEST(QtKeys, FunctionKeysRunFromF1ToF24) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F1), 112);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F12), 123);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F24), 135);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_F25), 0);
}

TEST(QtKeys, LettersAndDigitsAreTheirUpperCaseCharacters) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_A), 65);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Z), 90);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_0), 48);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_9), 57);
}

TEST(QtKeys, ShiftedPunctuationNamesTheKeyItSitsOn) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Exclam), '1');
  EXPECT_EQ(VirtualKeyCode(Qt::Key_ParenRight), '0');
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus), VirtualKeyCode(Qt::Key_Equal));
}

TEST(QtKeys, NumericPadHasItsOwnCodes) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_0, true), 96);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_9, true), 105);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Plus, true), 107);
  // Arrows on the pad with Num Lock off are the arrows.
  EXPECT_EQ(VirtualKeyCode(Qt::Key_Left, true), 37);
}

TEST(QtKeys, UnknownKeysAreZero) {
  EXPECT_EQ(VirtualKeyCode(Qt::Key_unknown), 0);
  EXPECT_EQ(VirtualKeyCode(Qt::Key_VolumeUp), 0);
}

TEST(QtKeys, ShiftBitsAreShiftCtrlAlt) {
  EXPECT_EQ(ShiftBits(Qt::NoModifier), 0);
  EXPECT_EQ(ShiftBits(Qt::ShiftModifier), 1);
  EXPECT_EQ(ShiftBits(Qt::ControlModifier), 2);
  EXPECT_EQ(ShiftBits(Qt::AltModifier), 4);
  EXPECT_EQ(ShiftBits(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), 7);
  // The pad and the Windows key are no shift state of the game's.
  EXPECT_EQ(ShiftBits(Qt::KeypadModifier | Qt::MetaModifier), 0);
}

}  // namespace
}  // namespace quorvan
