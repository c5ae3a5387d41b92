#include <gtest/gtest.h>

#include "character/Character.h"
#include "game/GameState.h"
#include "screens/GridPlacement.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

class MoveCharacterTest : public ::testing::Test {
 protected:
  MoveCharacterTest() { G.Energy = 100; }
  test::HeadlessWorld world;
};

TEST_F(MoveCharacterTest, AHeldArrowMovesOneColumnAFrameAndStaysPending) {
  G.PlayerX = 10;
  G.InputCommand = Command::Right;
  MoveCharacter();
  MoveCharacter();
  EXPECT_EQ(G.PlayerX, 12);
  EXPECT_EQ(G.InputCommand, Command::Right);
  G.InputCommand = Command::Left;
  MoveCharacter();
  EXPECT_EQ(G.PlayerX, 11);
}

TEST_F(MoveCharacterTest, TheCharacterStaysBetweenColumnsZeroAndThirtyEight) {
  G.PlayerX = 38;
  G.InputCommand = Command::Right;
  MoveCharacter();
  EXPECT_EQ(G.PlayerX, 38);
  G.PlayerX = 0;
  G.InputCommand = Command::Left;
  MoveCharacter();
  EXPECT_EQ(G.PlayerX, 0);
}

TEST_F(MoveCharacterTest, FireLaunchesAShotAboveTheCharacter) {
  G.PlayerX = 7;
  G.InputCommand = Command::Fire;
  G.HitBonus = 250;
  MoveCharacter();
  EXPECT_TRUE(G.ShotActive);
  EXPECT_EQ(G.ShotX, 7);
  EXPECT_EQ(G.ShotY, 22);
  EXPECT_EQ(G.InputCommand, Command::None);
  EXPECT_EQ(G.HitBonus, 0);
  EXPECT_EQ(G.Energy, 99);
  EXPECT_EQ(StatusPanel().EnergyLabel.Caption(), "99");
}

TEST_F(MoveCharacterTest, TheSweepingWingsCostMoreEnergyPerShot) {
  const std::pair<Wing, float> costs[] = {{Wing::AllHalf, 96},
                                          {Wing::Super, 93},
                                          {Wing::None, 99},
                                          {Wing::Slant, 99},
                                          {Wing::Follow, 99}};
  for (const auto& [wing, left] : costs) {
    G.Energy = 100;
    G.ShotActive = false;
    G.WingNo = wing;
    G.InputCommand = Command::Fire;
    MoveCharacter();
    EXPECT_EQ(G.Energy, left) << "Wing " << WingNumber(wing);
  }
}

TEST_F(MoveCharacterTest, AShotCanTakeTheEnergyBelowZero) {
  G.Energy = 0.5f;
  G.InputCommand = Command::Fire;
  MoveCharacter();
  EXPECT_EQ(G.Energy, -0.5f);
  EXPECT_EQ(StatusPanel().EnergyLabel.Caption(), "-1");
}

TEST_F(MoveCharacterTest, AFireDuringAFlightWaitsForTheShotToEnd) {
  G.ShotActive = true;
  G.InputCommand = Command::Fire;
  MoveCharacter();
  EXPECT_EQ(G.InputCommand, Command::Fire);
  EXPECT_EQ(G.Energy, 100);
  G.ShotActive = false;
  MoveCharacter();
  EXPECT_TRUE(G.ShotActive);
  EXPECT_EQ(G.InputCommand, Command::None);
}

TEST_F(MoveCharacterTest, TheSlantWingAimsItsKeyboardShotStraightUp) {
  G.WingNo = Wing::Slant;
  G.PlayerX = 12;
  G.TargetX = 3;
  G.TargetY = 9;
  G.InputCommand = Command::Fire;
  MoveCharacter();
  EXPECT_EQ(G.TargetX, 12);
  EXPECT_EQ(G.TargetY, 0);
}

// Unlike a keyboard shot, a click costs no energy and leaves the bonus as it was.
TEST_F(MoveCharacterTest, AClickSteeredShotIsFreeAndKeepsTheHitBonus) {
  G.WingNo = Wing::Slant;
  G.PlayerX = 20;
  G.HitBonus = 150;
  G.EnemyX[5] = 31;
  G.EnemyY[5] = 4;
  SteerShotAt(5);
  EXPECT_TRUE(G.ShotActive);
  EXPECT_EQ(G.ShotX, 20);
  EXPECT_EQ(G.ShotY, 22);
  EXPECT_EQ(G.TargetX, 31);
  EXPECT_EQ(G.TargetY, 4);
  EXPECT_EQ(G.HitBonus, 150);
  EXPECT_EQ(G.Energy, 100);
}

TEST_F(MoveCharacterTest, TheCharacterIsDrawnOnRowTwentyThreeEveryFrame) {
  G.PlayerX = 5;
  PlaceOnGrid(5, 22, Playfield().Character);
  MoveCharacter();
  EXPECT_EQ(Playfield().Character.Top(), 23 * GridCell);
  EXPECT_EQ(Playfield().Character.Left(), 5 * GridCell);
}

TEST(CharacterInPlay, StandsOnRowTwentyTwoAfterSetupAndTwentyThreeFromTheFirstFrame) {
  // The sprite is on row 22 only between stage setup and the first frame.
  const auto run = test::RunScenario(
      "rnd 0.99 ...\nat 2 key down right\nat 4 key up right\n"
      "stop frames 5\n");
  const auto starts = run.Of("stage_start");
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(starts[0]["sprites"]["Image1"]["top"].get<int>(), 22 * GridCell);
  EXPECT_TRUE(starts[0]["sprites"]["Image1"]["visible"].get<bool>());
  EXPECT_EQ(run.Frame(1)["sprites"]["Image1"]["top"].get<int>(), 23 * GridCell);
  EXPECT_EQ(run.Frame(1)["PlayerX"].get<int>(), 0);
  EXPECT_EQ(run.Frame(2)["PlayerX"].get<int>(), 1);
  EXPECT_EQ(run.Frame(3)["PlayerX"].get<int>(), 2);
  EXPECT_EQ(run.Frame(4)["PlayerX"].get<int>(), 2);
  EXPECT_EQ(run.Frame(5)["sprites"]["Image1"]["left"].get<int>(), 2 * GridCell);
}

}  // namespace
}  // namespace quorvan
