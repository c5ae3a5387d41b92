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
  EXPECT_EQ(WingName(Wing::Comet, Edition::Standard), "Comet Wing");
  EXPECT_EQ(WingName(Wing::Comet, Edition::Vistrel), "Bloomer");
  EXPECT_EQ(WingName(Wing::Super, Edition::Standard), "Super Quorvan");
  EXPECT_EQ(WingName(Wing::Super, Edition::Vistrel), "Bunny Girl");
  EXPECT_EQ(WingName(Wing::Navigate, Edition::Vistrel), "School SwimSuit");
}

TEST(WingName, TheBareCharacterAndUnknownValuesHaveNoName) {
  EXPECT_EQ(WingName(Wing::None, Edition::Standard), "");
  EXPECT_EQ(WingName(WingNumbered(11), Edition::Standard), "");
  EXPECT_EQ(WingName(WingNumbered(-1), Edition::Vistrel), "");
  EXPECT_EQ(WingName(Wing::Double, Edition::None), "");
}

// The file names say edition and Wing: a picture from the wrong bank or slot shows.
TEST(ShowWingPicture, TheCharacterWearsItsWingFromTheEditionsBank) {
  test::HeadlessWorld world;
  for (const Edition edition : {Edition::Standard, Edition::Vistrel}) {
    FillWorkingBanks(edition);
    for (int wing = 0; wing < WingCount; ++wing) {
      G.WingNo = WingNumbered(wing);
      ShowWingPicture();
      const Picture* shown = Playfield().Character.ShownPicture();
      ASSERT_NE(shown, nullptr);
      char expected[16];
      std::snprintf(expected, sizeof expected, "wing%d_%02d.xpm", EditionNumber(edition), wing);
      EXPECT_STREQ(shown->file, expected)
          << "edition " << EditionNumber(edition) << ", Wing " << wing;
    }
  }
}

TEST(ShowWingName, NamesTheWingOnTheStatusPanel) {
  test::HeadlessWorld world;
  G.Edition = Edition::Standard;
  G.WingNo = Wing::Comet;
  ShowWingName();
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Comet Wing)");
  G.Edition = Edition::Vistrel;
  ShowWingName();
  EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Quorvan (with Bloomer)");
}

TEST(ShowWingName, TheBareCharacterShowsTheFullWidthName) {
  test::HeadlessWorld world;
  for (int edition : {1, 2, 7}) {
    G.Edition = static_cast<Edition>(edition);
    G.WingNo = Wing::None;
    ShowWingName();
    EXPECT_EQ(StatusPanel().WingLabel.Caption(), "Ｑｕｏｒｖａｎ");
  }
}

}  // namespace
}  // namespace quorvan
