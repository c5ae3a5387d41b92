#include <gtest/gtest.h>

#include <algorithm>

#include "cycle/StageEnd.h"
#include "game/GameState.h"
#include "screens/MessageWindow.h"
#include "screens/Playfield.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

// A listener that keeps what is printed on the message window, and where.
struct PrintedLine {
  int x = 0, y = 0;
  std::string text;
  friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

struct PrintLog : HeadlessToolkit::Listener {
  std::vector<PrintedLine> lines;
  void Printed(int x, int y, const std::string& text) override { lines.push_back({x, y, text}); }
};

class StageClearTest : public ::testing::Test {
 protected:
  StageClearTest() { world.toolkit.SetListener(&printed); }
  void PressOkSoon() {
    world.toolkit.At(world.toolkit.Now() + 50,
                     [this] { world.toolkit.Click("Form4", "Command1"); });
  }
  test::HeadlessWorld world;
  PrintLog printed;
};

TEST_F(StageClearTest, TheBonusIsTheEnergyTimesTenRoundedDown) {
  G.Energy = 51.27f;
  G.Score = 100;
  PressOkSoon();
  StageClear();
  EXPECT_EQ(G.Score, 612);
  EXPECT_EQ(printed.lines.at(1).text, "Bonus=512Points");
  EXPECT_EQ(printed.lines.at(2).text, "Score=612Points");
}

TEST_F(StageClearTest, FullEnergyIsWorthAThousand) {
  G.Energy = 100;
  PressOkSoon();
  StageClear();
  EXPECT_EQ(G.Score, 1000);
}

TEST_F(StageClearTest, ANormalClearMovesOnCarryingTheSurplus) {
  G.StageNo = 5;
  G.EnemiesLeft = -3;
  G.Energy = 10;
  PressOkSoon();
  StageClear();
  EXPECT_EQ(printed.lines.at(0).text, "Stage 6 Clear");
  EXPECT_EQ(G.StageNo, 6);
  EXPECT_EQ(G.EnemyCarry, -3);
  EXPECT_FALSE(StageEndMessage().Visible());
  EXPECT_FALSE(Playfield().Character.Visible());
  EXPECT_TRUE(world.midi.back() == "close Midi");
}

TEST_F(StageClearTest, ClosingTheMessageWindowCountsAsPressingOk) {
  G.Energy = 10;
  world.toolkit.At(world.toolkit.Now() + 50, [this] { world.toolkit.CloseRequest("Form4"); });
  StageClear();
  EXPECT_EQ(G.StageNo, 1);
}

TEST_F(StageClearTest, TheLastStageEndsTheGameWithoutAScoreLine) {
  G.StageNo = 6;
  G.Energy = 20;
  G.Score = 50;
  G.GameRunning = true;
  StageClear();
  EXPECT_FALSE(G.GameRunning);
  EXPECT_EQ(G.Score, 250);
  ASSERT_GE(printed.lines.size(), 3u);
  EXPECT_EQ(printed.lines[0].text, "All Stage Clear!!");
  EXPECT_EQ(printed.lines[1].text, "Bonus=200Points");
  EXPECT_EQ(printed.lines[2].text, "Ｇａｍｅ　Ｏｖｅｒ…");  // the game over screen follows
  EXPECT_FALSE(StageEndMessage().Loaded());
}

TEST(GameOver, AScoreEqualToTheHighScoreIsNoNewHighScore) {
  test::HeadlessWorld world;
  PrintLog printed;
  world.toolkit.SetListener(&printed);
  G.Score = 700;
  G.HighScore = 700;
  GameOver();
  EXPECT_EQ(printed.lines.size(), 3u);
  EXPECT_EQ(G.HighScore, 700);
  EXPECT_FALSE(Playfield().Loaded());
}

// Columns are 120 twips; rows count lines of the message window's font.
TEST(GameOver, TheGameOverScreenPrintsEveryLineAtItsPlace) {
  test::HeadlessWorld world;
  PrintLog printed;
  world.toolkit.SetListener(&printed);
  G.Score = 800;
  G.HighScore = 700;
  GameOver();
  ASSERT_EQ(printed.lines.size(), 5u);
  const int line = printed.lines[0].y / 3;
  EXPECT_GT(line, 0);
  const std::vector<PrintedLine> expected = {
      {14 * 120, 3 * line, "Ｇａｍｅ　Ｏｖｅｒ…"},
      {16 * 120, 5 * line, "Score=800Points"},
      {16 * 120, 7 * line, "High Score=700Points"},
      {13 * 120, 9 * line, "New High Score=800Points"},
      {16 * 120, 11 * line, "You got a High Score!"},
  };
  EXPECT_EQ(printed.lines, expected);
}

TEST(GameOver, ABetterScoreBecomesTheHighScoreAfterTheFirstPause) {
  test::HeadlessWorld world;
  PrintLog printed;
  world.toolkit.SetListener(&printed);
  G.Score = 800;
  G.HighScore = 700;
  const auto start = world.toolkit.Now();
  GameOver();
  EXPECT_EQ(world.toolkit.Now() - start, 20000);
  EXPECT_EQ(G.HighScore, 800);
  ASSERT_EQ(printed.lines.size(), 5u);
  EXPECT_EQ(printed.lines[2].text, "High Score=700Points");
  EXPECT_EQ(printed.lines[3].text, "New High Score=800Points");
  EXPECT_EQ(printed.lines[4].text, "You got a High Score!");
  EXPECT_NE(world.midi.back(), "close Midi");  // the high score tune plays on
}

// The clear screen through the whole game cycle.
TEST(StageEndScreens, TheClearScreenPrintsItsLinesAtTheirPlaces) {
  const auto run = test::RunScenario("rnd 0.99 ...\nat 3 key down 93\nentry -5\nstop frames 4\n");
  const auto prints = run.Of("print");
  ASSERT_EQ(prints.size(), 3u);
  const int line = prints[0]["y"].get<int>() / 3;  // rows count lines of the window's font
  EXPECT_GT(line, 0);
  EXPECT_EQ(prints[0]["x"].get<int>(), 19 * 120);
  EXPECT_EQ(prints[0]["text"].get<std::string>(), "Stage 1 Clear");
  EXPECT_EQ(prints[1]["x"].get<int>(), 18 * 120);
  EXPECT_EQ(prints[1]["y"].get<int>(), 7 * line);
  EXPECT_EQ(prints[1]["text"].get<std::string>(), "Bonus=999Points");
  EXPECT_EQ(prints[2]["y"].get<int>(), 9 * line);
  EXPECT_EQ(prints[2]["text"].get<std::string>(), "Score=999Points");
}

TEST(StageEndScreens, AClearedStageCarriesItsSurplusIntoTheNext) {
  const auto run = test::RunScenario("rnd 0.99 ...\nat 2 key down 93\nentry -5\nstop frames 3\n");
  EXPECT_EQ(run.Frame(2)["EnemiesLeft"].get<int>(), -5);
  EXPECT_EQ(run.Frame(3)["StageNo"].get<int>(), 1);
  EXPECT_EQ(run.Frame(3)["EnemyCarry"].get<int>(), -5);
  EXPECT_EQ(run.Frame(3)["EnemiesLeft"].get<int>(), 45);
  EXPECT_EQ(run.Frame(3)["labels"]["EnemyLabel"].get<std::string>(), "45");
  EXPECT_EQ(run.Frame(3)["labels"]["StageLabel"].get<std::string>(), "2");
}

TEST(StageEndScreens, TheHighScoreSurvivesIntoTheNextGame) {
  // Game 1 clears its first stage (999 points) and then runs out of energy;
  // game 2 runs out at once and is shown the old high score.
  const auto run =
      test::RunScenario("rnd 0.99 ...\nat 1 key down 93\nentry 0\nok 0\nstop games 2\n");
  std::vector<std::string> texts;
  for (const auto& p : run.Of("print")) texts.push_back(p["text"].get<std::string>());
  const auto count = [&](const std::string& t) {
    return std::count(texts.begin(), texts.end(), t);
  };
  EXPECT_EQ(count("New High Score=999Points"), 1);
  EXPECT_EQ(count("High Score=0Points"), 1);
  EXPECT_EQ(count("High Score=999Points"), 1);
  EXPECT_EQ(count("Score=0Points"), 1);
  EXPECT_EQ(run.Frames().back()["HighScore"].get<int>(), 999);
  EXPECT_EQ(run.Frames().back()["Score"].get<int>(), 0);
}

TEST(StageEndScreens, ClearingTheSeventhStageEndsTheGame) {
  std::string scenario = "rnd 0.99 ...\nok 0\nstop games 1\n";
  for (int frame = 1; frame <= 7; ++frame)
    scenario += "at " + std::to_string(frame) + " key down 93\nentry 0\n";
  const auto run = test::RunScenario(scenario);
  EXPECT_EQ(run.Frames().size(), 7u);
  EXPECT_EQ(run.Frame(7)["StageNo"].get<int>(), 6);
  std::vector<std::string> texts;
  for (const auto& p : run.Of("print")) texts.push_back(p["text"].get<std::string>());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "Stage 6 Clear"), texts.end());
  EXPECT_NE(std::find(texts.begin(), texts.end(), "All Stage Clear!!"), texts.end());
  EXPECT_EQ(std::find(texts.begin(), texts.end(), "Stage 7 Clear"), texts.end());
  bool finalTune = false;
  for (const auto& m : run.Of("mci"))
    finalTune |= m["command"].get<std::string>().find("Quor5.mid") != std::string::npos;
  EXPECT_TRUE(finalTune);
}

}  // namespace
}  // namespace quorvan
