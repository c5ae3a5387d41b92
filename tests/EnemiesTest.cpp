#include <gtest/gtest.h>

#include "character/Enemies.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/Playfield.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

class WanderEnemyTest : public ::testing::Test {
 protected:
  WanderEnemyTest() {
    for (std::size_t i = 0; i < EnemySlots; ++i) {
      G.EnemyX[i] = 10 + static_cast<int>(i);
      G.EnemyY[i] = 5;
    }
  }
  test::HeadlessWorld world;
};

TEST_F(WanderEnemyTest, TheFirstDrawPicksTheEnemyAndTheSecondItsDirection) {
  const GameState before = G;
  QueueRandomValues({0.3, 0.6}, false);  // slot 2, direction 3: down
  WanderEnemy();
  EXPECT_EQ(G.EnemyY[2], 6);
  EXPECT_EQ(Playfield().Enemies[2].Top(), 6 * GridCell);
  GameState expected = before;
  expected.EnemyY[2] = 6;
  EXPECT_EQ(G, expected);  // the other seven keep their cells
}

TEST_F(WanderEnemyTest, EachDirectionMovesOneCell) {
  QueueRandomValues({0.0, 0.0, 0.0, 0.25, 0.0, 0.75}, false);
  WanderEnemy();
  EXPECT_EQ(G.EnemyX[0], 11);
  WanderEnemy();
  EXPECT_EQ(G.EnemyX[0], 10);
  WanderEnemy();
  EXPECT_EQ(G.EnemyY[0], 4);
}

TEST_F(WanderEnemyTest, TheBoundsKeepEnemiesOnColumnsZeroToThirtyEightAndRowsZeroToTwenty) {
  G.EnemyX[7] = 38;
  G.EnemyY[6] = 20;
  G.EnemyX[5] = 0;
  G.EnemyY[4] = 0;
  QueueRandomValues({0.99, 0.0, 0.8, 0.5, 0.7, 0.25, 0.6, 0.99}, false);
  for (int n = 0; n < 4; ++n) WanderEnemy();
  EXPECT_EQ(G.EnemyX[7], 38);
  EXPECT_EQ(G.EnemyY[6], 20);
  EXPECT_EQ(G.EnemyX[5], 0);
  EXPECT_EQ(G.EnemyY[4], 0);
  EXPECT_EQ(Playfield().Enemies[7].Left(), 38 * GridCell);  // placed even when it did not move
}

TEST(Explosion, TheMarkerHidesTwoHundredMillisecondsAfterTheLastBlast) {
  test::HeadlessWorld world;
  auto& field = Playfield();
  world.toolkit.At(300, [] { ShowExplosion(); });
  world.toolkit.At(400, [] { ShowExplosion(); });
  world.toolkit.At(590, [] {});
  while (world.toolkit.Now() < 590) world.toolkit.PumpEvents();
  EXPECT_TRUE(field.Explosion.Visible());
  world.toolkit.PumpEvents();
  EXPECT_EQ(world.toolkit.Now(), 600);
  EXPECT_FALSE(field.Explosion.Visible());
  EXPECT_FALSE(field.ExplosionTimer.Enabled());
}

TEST(Explosion, TheMarkerTimerSwitchesItselfOffAfterLoad) {
  test::HeadlessWorld world;
  auto& field = Playfield();
  EXPECT_TRUE(field.ExplosionTimer.Enabled());
  world.toolkit.PumpEvents();
  EXPECT_EQ(world.toolkit.Now(), 160);  // the frame timer ticks first
  world.toolkit.PumpEvents();
  EXPECT_EQ(world.toolkit.Now(), 200);
  EXPECT_FALSE(field.ExplosionTimer.Enabled());
  EXPECT_FALSE(field.Explosion.Visible());
}

TEST(EnemiesInPlay, ExactlyOneEnemyMovesEveryFrame) {
  const auto run = test::RunScenario("seed 42\nstop frames 40\n");
  for (int n = 2; n <= 40; ++n) {
    int moved = 0;
    for (std::size_t i = 0; i < 8; ++i) {
      const int dx =
          run.Frame(n)["EnemyX"][i].get<int>() - run.Frame(n - 1)["EnemyX"][i].get<int>();
      const int dy =
          run.Frame(n)["EnemyY"][i].get<int>() - run.Frame(n - 1)["EnemyY"][i].get<int>();
      EXPECT_LE(std::abs(dx) + std::abs(dy), 1);
      moved += std::abs(dx) + std::abs(dy);
    }
    EXPECT_LE(moved, 1);
  }
}

}  // namespace
}  // namespace quorvan
