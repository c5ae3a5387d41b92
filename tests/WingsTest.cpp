#include <gtest/gtest.h>

#include <cstdio>

#include "character/Wings.h"
#include "cycle/GameCycle.h"
#include "game/GameState.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

TEST(WingName, EachEditionHasItsOwnNames) {
  EXPECT_EQ(WingName(8, 1), "Comet Wing");
  EXPECT_EQ(WingName(8, 2), "Bloomer");
  EXPECT_EQ(WingName(10, 1), "Super Quorvan");
  EXPECT_EQ(WingName(10, 2), "Bunny Girl");
  EXPECT_EQ(WingName(1, 2), "School SwimSuit");
}

TEST(WingName, TheBareCharacterAndUnknownValuesHaveNoName) {
  EXPECT_EQ(WingName(0, 1), "");
  EXPECT_EQ(WingName(11, 1), "");
  EXPECT_EQ(WingName(-1, 2), "");
  EXPECT_EQ(WingName(3, 0), "");
}

// The file names say edition and Wing: a picture from the wrong bank or slot shows.
TEST(ShowWingPicture, TheCharacterWearsItsWingFromTheEditionsBank) {
  test::HeadlessWorld world;
  for (int edition : {1, 2}) {
    FillWorkingBanks(edition);
    for (int wing = 0; wing < WingCount; ++wing) {
      G.WingNo = WingNumbered(wing);
      ShowWingPicture();
      const Picture* shown = Playfield().Character.ShownPicture();
      ASSERT_NE(shown, nullptr);
      char expected[16];
      std::snprintf(expected, sizeof expected, "wing%d_%02d.xpm", edition, wing);
      EXPECT_STREQ(shown->file, expected) << "edition " << edition << ", Wing " << wing;
    }
  }
}

TEST(ShowWingName, NamesTheWingOnTheStatusPanel) {
  test::HeadlessWorld world;
  G.Edition = 1;
  G.WingNo = Wing::Comet;
  ShowWingName();
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Comet Wing)");
  G.Edition = 2;
  ShowWingName();
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Bloomer)");
}

TEST(ShowWingName, TheBareCharacterShowsTheFullWidthName) {
  test::HeadlessWorld world;
  for (int edition : {1, 2, 7}) {
    G.Edition = edition;
    G.WingNo = Wing::None;
    ShowWingName();
    EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Ｑｕｏｒｖａｎ");
  }
}

}  // namespace
}  // namespace quorvan
