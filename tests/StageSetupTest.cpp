#include <gtest/gtest.h>

#include "cycle/StageSetup.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/Pictures.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

class StageSetupTest : public ::testing::Test {
 protected:
  test::HeadlessWorld world;
};

TEST_F(StageSetupTest, EveryStageStartsAtTheLeftEdgeWithFullEnergy) {
  G.PlayerX = 17;
  G.Energy = 3;
  G.ItemsTaken = 4;
  G.ShotActive = G.BombActive = G.CometActive = G.WingItemActive = true;
  SetupStage();
  EXPECT_EQ(G.PlayerX, 0);
  EXPECT_EQ(G.Energy, 100);
  EXPECT_EQ(G.ItemsTaken, 0);
  EXPECT_FALSE(G.ShotActive || G.BombActive || G.CometActive || G.WingItemActive);
  EXPECT_TRUE(G.StageRunning);
  EXPECT_EQ(StatusPanel().EnergyLabel.Caption(), "100");
}

TEST_F(StageSetupTest, TheSurplusOfTheLastStageLowersTheQuota) {
  G.EnemyCarry = -5;
  SetupStage();
  EXPECT_EQ(G.EnemiesLeft, 45);
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "45");
  G.EnemyCarry = 0;
  SetupStage();
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "50");
}

TEST_F(StageSetupTest, AHugeCarryStaysWithinSixteenBits) {
  G.EnemyCarry = -40000;
  SetupStage();
  EXPECT_EQ(G.EnemiesLeft, -32768);
}

TEST_F(StageSetupTest, SuperQuorvanLeavesARandomWingFromOneToNine) {
  for (const double r : {0.0, 0.5, 0.99999}) {
    G.WingNo = Wing::Super;
    QueueRandomValues({r}, false);
    SetupStage();
    EXPECT_EQ(WingNumber(G.WingNo), static_cast<int>(r * 9) + 1);
  }
}

TEST_F(StageSetupTest, AnyOtherWingFallsBackToTheBareCharacter) {
  for (int wing = 0; wing < 10; ++wing) {
    G.WingNo = WingNumbered(wing);
    SetupStage();
    EXPECT_EQ(G.WingNo, Wing::None);
  }
}

TEST_F(StageSetupTest, EnemiesAreScatteredOverTheUpperFifteenRowsInSlotOrder) {
  QueueRandomValues({0.0, 0.0, 0.99999, 0.99999, 0.5, 0.5}, false);
  SetupStage();
  EXPECT_EQ(G.EnemyX[0], 0);
  EXPECT_EQ(G.EnemyY[0], 0);
  EXPECT_EQ(G.EnemyX[1], 38);
  EXPECT_EQ(G.EnemyY[1], 14);
  EXPECT_EQ(G.EnemyX[2], 19);
  EXPECT_EQ(G.EnemyY[2], 7);
  EXPECT_EQ(Playfield().Enemies[1].Left(), 38 * GridCell);
  EXPECT_EQ(Playfield().Enemies[1].Top(), 14 * GridCell);
  for (int i = 0; i < EnemyCount; ++i) {
    EXPECT_LE(G.EnemyY[static_cast<std::size_t>(i)], 14);
    EXPECT_TRUE(Playfield().Enemies[static_cast<std::size_t>(i)].Visible());
  }
}

TEST_F(StageSetupTest, TheStageShowsItsNumberAndItsOwnEnemyPicture) {
  G.StageNo = 0;
  SetupStage();
  EXPECT_EQ(StatusPanel().StageLabel.Caption(), "1");
  EXPECT_EQ(Playfield().Enemies[5].ShownPicture(), &pictures::Enemy[0]);
  G.StageNo = 6;
  SetupStage();
  EXPECT_EQ(StatusPanel().StageLabel.Caption(), "7");
  EXPECT_EQ(Playfield().Enemies[0].ShownPicture(), &pictures::Enemy[6]);
  EXPECT_EQ(Playfield().Enemies[0].Width(), 32 * 15);
  EXPECT_EQ(Playfield().Enemies[0].Height(), 16 * 15);
}

TEST_F(StageSetupTest, TheCharacterIsShownOnRowTwentyTwo) {
  SetupStage();
  EXPECT_EQ(Playfield().Character.Left(), 0);
  EXPECT_EQ(Playfield().Character.Top(), 22 * GridCell);
  EXPECT_TRUE(Playfield().Character.Visible());
}

}  // namespace
}  // namespace quorvan
