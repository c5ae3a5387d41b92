#include <gtest/gtest.h>

#include "cycle/GameCycle.h"
#include "game/GameState.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

// The opening demo hides itself 4.8 s after start-up; the game's clock
// starts there.
constexpr int DemoEndMs = 4800;

// Sixteen draws that scatter the enemies at stage setup: slot i takes
// column Int(x * 39) and row Int(y * 15).
const char* const Scatter =
    "0.1 0.1  0.2 0.2  0.3 0.3  0.5 0.5  0.6 0.6  0.7 0.7  0.8 0.8  0.9 0.9";

std::string WithDraws(const std::string& frameDraws, const std::string& rest = "") {
  return std::string("rnd ") + Scatter + " " + frameDraws + "\n" + rest;
}

// Energy below 0 loses, even with no enemies left; exactly 0 goes on.
TEST(StageEndTest, EnergyBelowZeroLosesBeforeNoEnemiesLeftClears) {
  struct Case {
    float energy;
    int enemiesLeft;
    bool running;
    StageOutcome result;
  };
  const Case cases[] = {
      {0, 5, true, StageOutcome::None},
      {-0.01f, 0, false, StageOutcome::Lost},
      {0, -2, false, StageOutcome::Cleared},
  };
  for (const Case& c : cases) {
    G = GameState{};
    G.StageRunning = true;
    G.Energy = c.energy;
    G.EnemiesLeft = c.enemiesLeft;
    StageEndTest();
    EXPECT_EQ(G.StageRunning, c.running) << c.energy << " " << c.enemiesLeft;
    EXPECT_EQ(G.StageResult, c.result) << c.energy << " " << c.enemiesLeft;
  }
}

TEST(GameCycle, AStageLostByTheDrainAloneEndsWithTheLabelAtMinusOne) {
  const auto run = test::RunScenario("rnd 0.99 ...\nstop games 1\n");
  const auto frames = run.Frames();
  ASSERT_GT(frames.size(), 2u);
  const auto& last = frames.back();
  const auto& before = frames[frames.size() - 2];
  EXPECT_LT(last["Energy"].get<double>(), 0);
  EXPECT_GE(before["Energy"].get<double>(), 0);
  EXPECT_EQ(last["labels"]["EnergyLabel"].get<std::string>(), "-1");
  EXPECT_EQ(frames.front()["labels"]["EnergyLabel"].get<std::string>(), "99");
  // 100 drained by 0.02 a frame: about 5001 frames of 160 ms.
  EXPECT_NEAR(static_cast<double>(frames.size()), 5001, 2);
  EXPECT_EQ(last["t"].get<double>(), DemoEndMs + 160.0 * static_cast<double>(frames.size()));
  ASSERT_EQ(run.Of("stage_end").size(), 1u);
  EXPECT_EQ(run.Of("stage_end")[0]["StageResult"].get<int>(), 1);
  EXPECT_EQ(run.code, 0);
}

TEST(GameCycle, FramesArePacedByTheFrameTimer) {
  const auto run = test::RunScenario("rnd 0.99 ...\nstop frames 5\n");
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(run.Frame(n)["t"].get<int>(), DemoEndMs + 160 * n);
}

TEST(SpawnTests, AForcedBombStartsOneRowBelowTheDrawnEnemy) {
  // Frame 1: the wander step (slot 0 right), no item, a bomb from enemy 3.
  const auto run =
      test::RunScenario(WithDraws("0.0 0.0  0.99  0.01 0.40  0.99 ...", "stop frames 1\n"));
  const auto& f = run.Frame(1);
  EXPECT_TRUE(f["BombActive"].get<bool>());
  EXPECT_EQ(f["BombX"].get<int>(), 19);  // Int(0.5 * 39)
  EXPECT_EQ(f["BombY"].get<int>(), 8);   // Int(0.5 * 15) + 1
  EXPECT_EQ(f["sprites"]["Image5"]["left"].get<int>(), 19 * GridCell);
  EXPECT_EQ(f["sprites"]["Image5"]["top"].get<int>(), 8 * GridCell);
  EXPECT_TRUE(f["sprites"]["Image5"]["visible"].get<bool>());
}

TEST(SpawnTests, TheBombIsLikelierOnLaterStages) {
  // 0.07 drops no bomb on the first stage (0.05) but does on the second (0.10).
  const auto first =
      test::RunScenario(WithDraws("0.0 0.0  0.99  0.07  0.99 ...", "stop frames 1\n"));
  EXPECT_FALSE(first.Frame(1)["BombActive"].get<bool>());
  // Frame 1 clears the first stage; the draws for the second are queued
  // while its clear screen waits for "O K".
  std::string scenario = "rnd 0.99 ...\nat 1 key down 93\nentry 0\nat ";
  scenario += std::to_string(DemoEndMs + 500);
  scenario += "ms rnd ";
  scenario += Scatter;
  scenario += " 0.0 0.0 0.99 0.07 0.5 0.99 ...\nstop frames 2\n";
  const auto second = test::RunScenario(scenario);
  EXPECT_EQ(second.Frame(2)["StageNo"].get<int>(), 1);
  EXPECT_TRUE(second.Frame(2)["BombActive"].get<bool>());
}

TEST(SpawnTests, AWingItemEntersAtTheLeftEdgeWithAKindFromOneToTen) {
  const auto low =
      test::RunScenario(WithDraws("0.0 0.0  0.005 0.0 0.0  0.99 ...", "stop frames 1\n"));
  EXPECT_TRUE(low.Frame(1)["WingItemActive"].get<bool>());
  EXPECT_EQ(low.Frame(1)["WingItemX"].get<int>(), 0);
  EXPECT_EQ(low.Frame(1)["WingItemY"].get<int>(), 0);
  EXPECT_EQ(low.Frame(1)["WingItemKind"].get<int>(), 1);
  const auto high =
      test::RunScenario(WithDraws("0.0 0.0  0.005 0.9999 0.9999  0.99 ...", "stop frames 1\n"));
  EXPECT_EQ(high.Frame(1)["WingItemY"].get<int>(), 19);
  EXPECT_EQ(high.Frame(1)["WingItemKind"].get<int>(), 10);
  EXPECT_TRUE(high.Frame(1)["sprites"]["Image4"]["visible"].get<bool>());
  EXPECT_EQ(high.Frame(1)["sprites"]["Image4"]["top"].get<int>(), 19 * GridCell);
}

TEST(SpawnTests, TheCometNumberIsDrawnEvenWhenNoCometCanCome) {
  // Frame 1 draws five numbers; frame 2 then moves slot 7 up. Had the comet
  // test drawn nothing, frame 2 would have moved slot 0 instead.
  const auto run = test::RunScenario(
      WithDraws("0.5 0.5  0.99  0.99  0.05   0.9 0.9  0.99 ...", "stop frames 2\n"));
  EXPECT_FALSE(run.Frame(1)["CometActive"].get<bool>());
  EXPECT_EQ(run.Frame(2)["EnemyY"][7].get<int>(), run.Frame(1)["EnemyY"][7].get<int>() - 1);
  EXPECT_EQ(run.Frame(2)["EnemyY"][0].get<int>(), run.Frame(1)["EnemyY"][0].get<int>());
}

TEST(SpawnTests, WithTheCometWingACometStartsInTheTopRow) {
  const auto run = test::RunScenario(WithDraws("0.0 0.0  0.99  0.99  0.05 0.9999  0.99 ...",
                                               "at 1 key down 145\nentry 8\nstop frames 1\n"));
  const auto& f = run.Frame(1);
  EXPECT_EQ(f["WingNo"].get<int>(), 8);
  EXPECT_TRUE(f["CometActive"].get<bool>());
  EXPECT_EQ(f["CometX"].get<int>(), 14);
  EXPECT_EQ(f["CometY"].get<int>(), 0);
  EXPECT_TRUE(f["sprites"]["Image7"]["visible"].get<bool>());
}

}  // namespace
}  // namespace quorvan
