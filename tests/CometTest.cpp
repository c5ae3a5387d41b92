#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "character/Comet.h"
#include "game/GameState.h"
#include "game/Random.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

class CometTest : public ::testing::Test {
 protected:
  CometTest() {
    G.Energy = 40;
    G.EnemiesLeft = 30;
    for (std::size_t i = 0; i < EnemySlots; ++i) {  // far from every comet here
      G.EnemyX[i] = 38;
      G.EnemyY[i] = 0;
    }
  }
  // One update that brings the comet onto (x, y).
  void CometTo(int x, int y) {
    G.CometActive = true;
    G.CometX = x - 1;
    G.CometY = y - 1;
    UpdateComet();
  }
  void EnemyOn(int slot, int x, int y) {
    G.EnemyX[static_cast<std::size_t>(slot)] = x;
    G.EnemyY[static_cast<std::size_t>(slot)] = y;
  }
  std::pair<int, int> EnemyCell(int slot) const {
    return {G.EnemyX[static_cast<std::size_t>(slot)], G.EnemyY[static_cast<std::size_t>(slot)]};
  }
  test::HeadlessWorld world;
};

TEST_F(CometTest, TheCometReachesTwoCellsEitherWayButNotThree) {
  EnemyOn(0, 8, 3);
  EnemyOn(2, 13, 5);
  EnemyOn(3, 12, 7);
  EnemyOn(5, 10, 8);
  // Slot 0 reappears on (30, 15), slot 3 on (20, 16).
  QueueRandomValues({test::DrawOfColumn(30), 0.75, test::DrawOfColumn(20), 0.8}, false);
  CometTo(10, 5);
  EXPECT_EQ(EnemyCell(0), std::make_pair(30, 15));
  EXPECT_EQ(EnemyCell(3), std::make_pair(20, 16));
  EXPECT_EQ(EnemyCell(2), std::make_pair(13, 5));
  EXPECT_EQ(EnemyCell(5), std::make_pair(10, 8));
  EXPECT_EQ(G.EnemiesLeft, 28);
  EXPECT_EQ(G.Score, 20);
  EXPECT_EQ(world.wav.size(), 2u);
  EXPECT_EQ(world.wav.at(0).first, "Bang1.Wav");
  EXPECT_EQ(Playfield().Explosion.Left(), 12 * GridCell);  // slot 3 blasted last
  EXPECT_EQ(Playfield().Explosion.Top(), 7 * GridCell);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "20");
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "28");
  EXPECT_TRUE(G.CometActive);
}

TEST_F(CometTest, EnemiesInReachAreDestroyedInSlotOrderAndARespawnInReachWaitsANextFrame) {
  EnemyOn(1, 10, 10);
  EnemyOn(4, 11, 12);
  EnemyOn(6, 9, 9);
  // Slot 1 reappears on (12, 12), still in reach: it survives this update.
  QueueRandomValues({test::DrawOfColumn(12), 0.625, 0.99, 0.99, 0.99, 0.99}, false);
  CometTo(10, 10);
  EXPECT_EQ(G.Score, 30);
  EXPECT_EQ(G.EnemiesLeft, 27);
  EXPECT_EQ(EnemyCell(1), std::make_pair(12, 12));
  EXPECT_EQ(EnemyCell(4), std::make_pair(38, 19));
  EXPECT_EQ(EnemyCell(6), std::make_pair(38, 19));
  QueueRandomValues({0.0, 0.0}, false);
  UpdateComet();  // (11, 11)
  EXPECT_EQ(EnemyCell(1), std::make_pair(0, 0));
  EXPECT_EQ(G.Score, 40);
  EXPECT_EQ(G.EnemiesLeft, 26);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "40");
}

TEST_F(CometTest, TheCometTakesTheWingItemInReachForFiveHundred) {
  test::PutWingItem(ItemKind::Energy(), 13, 5);
  CometTo(10, 5);
  EXPECT_TRUE(G.WingItemActive);
  G.WingItemX = 12;
  G.WingItemY = 3;
  EnemyOn(7, 9, 6);
  QueueRandomValues({0.99, 0.99}, false);
  CometTo(10, 5);
  EXPECT_FALSE(G.WingItemActive);
  EXPECT_EQ(G.Energy, 60);
  EXPECT_EQ(G.Score, 510);
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "510");
  EXPECT_EQ(StatusPanel().EnemyLabel.Caption(), "29");
}

TEST_F(CometTest, ACometIsDrawnOnTwentyThreeCellsAndGoneOnTheNextUpdate) {
  G.CometActive = true;
  G.CometX = 14;  // the rightmost start
  G.CometY = 0;
  auto& comet = Playfield().Comet;
  for (int k = 1; k <= 22; ++k) {
    UpdateComet();
    EXPECT_TRUE(comet.Visible());
    EXPECT_EQ(comet.Left(), (14 + k) * GridCell);
    EXPECT_EQ(comet.Top(), k * 240);
  }
  EXPECT_TRUE(G.CometActive);
  G.Score = 70;
  StatusPanel().ScoreLabel.SetCaption("0");
  UpdateComet();
  EXPECT_FALSE(G.CometActive);
  EXPECT_FALSE(comet.Visible());
  EXPECT_EQ(StatusPanel().ScoreLabel.Caption(), "0");  // the leaving update refreshes nothing
}

TEST_F(CometTest, TheCometLeavesPastColumnThirtyNineAndHitsNothingThere) {
  EnemyOn(0, 38, 5);
  G.CometActive = true;
  G.CometX = 39;
  G.CometY = 4;
  UpdateComet();
  EXPECT_FALSE(G.CometActive);
  EXPECT_EQ(G.EnemiesLeft, 30);
  EXPECT_TRUE(world.wav.empty());
}

// Enemies: slot 0 on (0, 0), the others on (38, 0). The repeated 0.06 starts
// comets while the Comet Wing is worn but never an item or a bomb, and walks
// slot 0 right along its row.
const char* const CometAndBomb =
    "rnd 0 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0  0.99 0 "
    " 0.06 0.06  0.06  0.01 0.0  0.05 0.0  0.06 ...\n"
    "at 1 key down 145\nentry 8\n";

TEST(CometInPlay, ACometFallsToTheBottomAfterABombTakesTheCometWing) {
  const auto run = test::RunScenario(std::string(CometAndBomb) + "stop frames 40\n");
  EXPECT_EQ(run.Frame(6)["WingNo"].get<int>(), 8);
  EXPECT_EQ(run.Frame(7)["WingNo"].get<int>(), 0);  // the bomb from slot 0 lands
  for (int n = 1; n <= 23; ++n) {
    const auto& f = run.Frame(n);
    ASSERT_TRUE(f["CometActive"].get<bool>()) << n;
    EXPECT_EQ(f["CometX"].get<int>(), n - 1);
    EXPECT_EQ(f["CometY"].get<int>(), n - 1);
    EXPECT_EQ(f["sprites"]["Image7"]["top"].get<int>(), (n - 1) * GridCell);
  }
  for (int n = 24; n <= 40; ++n) EXPECT_FALSE(run.Frame(n)["CometActive"].get<bool>()) << n;
  EXPECT_FALSE(run.Frame(24)["sprites"]["Image7"]["visible"].get<bool>());
}

TEST(CometInPlay, AnEnemyRespawnedInReachIsDestroyedAgainInALaterFrame) {
  const auto run = test::RunScenario(std::string(CometAndBomb) + "stop frames 6\n");
  // Slot 0 walks into the comet's reach and keeps reappearing on (2, 1).
  std::vector<int> left;
  for (int n = 1; n <= 6; ++n) left.push_back(run.Frame(n)["EnemiesLeft"].get<int>());
  EXPECT_EQ(left, (std::vector<int>{50, 49, 48, 47, 47, 47}));
  EXPECT_EQ(run.Frame(4)["Score"].get<int>(), 30);
  EXPECT_EQ(run.Frame(4)["labels"]["ScoreLabel"].get<std::string>(), "30");
  EXPECT_EQ(run.Frame(4)["labels"]["EnemyLabel"].get<std::string>(), "47");
  EXPECT_EQ(run.Frame(4)["EnemyX"][0].get<int>(), 2);
  EXPECT_EQ(run.Frame(4)["EnemyY"][0].get<int>(), 1);
}

}  // namespace
}  // namespace quorvan
