#include <gtest/gtest.h>

#include "tests/TestWorld.h"

namespace quorvan {
namespace {

std::vector<std::string> Texts(const test::SimRun& run) {
  std::vector<std::string> out;
  for (const auto& e : run.events) {
    const auto& ev = e["ev"].Str();
    if (ev == "window") out.push_back(e["name"].Str() + " " + e["action"].Str());
    if (ev == "mci") out.push_back(e["command"].Str());
  }
  return out;
}

TEST(Simulator, TheSameScenarioAlwaysGivesTheSameTrace) {
  const std::string scenario = "seed 5\nat 3 key down space\nat 9 key down left\nstop frames 60\n";
  const auto a = test::RunScenario(scenario);
  const auto b = test::RunScenario(scenario);
  ASSERT_EQ(a.events.size(), b.events.size());
  for (std::size_t i = 0; i < a.events.size(); ++i)
    EXPECT_EQ(a.events[i].value, b.events[i].value) << "event " << i;
  const auto c = test::RunScenario("seed 6\nstop frames 60\n");
  EXPECT_NE(a.Frame(60)["EnemyX"].value, c.Frame(60)["EnemyX"].value);
}

TEST(Simulator, AGameStartsWithTheSetupWindowThenThePlayfieldAndPanel) {
  const auto run = test::RunScenario("stop frames 1\n");
  const auto texts = Texts(run);
  const std::vector<std::string> start(texts.begin(), texts.begin() + 11);
  EXPECT_EQ(start[0], "Form5 load");
  EXPECT_EQ(start[1], "Form5 show");
  EXPECT_EQ(start[2], "close Midi");
  EXPECT_NE(start[3].find("Quor6.mid\" type sequencer alias Midi"), std::string::npos);
  EXPECT_EQ(start[4], "play Midi");
  EXPECT_EQ(start[8], "Form5 unload");
  EXPECT_EQ(start[9], "close Midi");
  EXPECT_EQ(start[10], "Form1 show");
  EXPECT_EQ(run.Frame(1)["Edition"].Int(), 1);
}

TEST(Simulator, TheSecondEditionIsChosenOnTheSetupWindow) {
  const auto run = test::RunScenario("edition 2\nstop frames 1\n");
  EXPECT_EQ(run.Frame(1)["Edition"].Int(), 2);
}

TEST(Simulator, ClosingTheStatusPanelDuringAGameEndsTheProgram) {
  const auto run = test::RunScenario("at 2000ms close Form3\nstop games 3\n");
  EXPECT_EQ(run.code, 0);
  const auto& last = run.events.back();
  EXPECT_EQ(last["ev"].Str(), "exit");
  EXPECT_EQ(last["code"].Int(), 0);
  EXPECT_EQ(last["t"].Int(), 2000);
  EXPECT_EQ(run.events[run.events.size() - 2]["command"].Str(), "close Midi");
}

TEST(Simulator, ClosingThePanelInsideAPauseEndsTheProgramThere) {
  const auto run = test::RunScenario(
      "rnd 0.99 ...\nat 1 key down 93\nentry 0\nok 5000\nat 3000ms close Form3\n");
  EXPECT_EQ(run.events.back()["t"].Int(), 3000);
  EXPECT_EQ(run.Frames().size(), 1u);
}

TEST(Simulator, ClosingThePlayfieldFromOutsideEndsTheProgram) {
  const auto run = test::RunScenario("at 500ms close Form1\nstop games 2\n");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.events.back()["t"].Int(), 500);
}

TEST(Simulator, ClosingTheSetupWindowEndsTheProgramBeforeAnyGame) {
  // The setup window is confirmed at time 0 unless it is closed first.
  const auto run = test::RunScenario("at 0ms close Form5\n");
  EXPECT_EQ(run.code, 0);
  EXPECT_TRUE(run.Frames().empty());
}

TEST(Simulator, StopFramesEndsAfterThatFrameAsASetupCloseWould) {
  const auto run = test::RunScenario("stop frames 7\n");
  EXPECT_EQ(run.Frames().size(), 7u);
  EXPECT_EQ(run.events.back()["ev"].Str(), "exit");
  EXPECT_EQ(run.events[run.events.size() - 2]["command"].Str(), "close Midi");
}

TEST(Simulator, PausesAppearInTheTrace) {
  const auto run = test::RunScenario("rnd 0.99 ...\n");  // one game lost by the drain
  const auto waits = run.Of("wait");
  ASSERT_EQ(waits.size(), 1u);  // no new high score with 0 points
  EXPECT_EQ(waits[0]["ms"].Int(), 10000);
  EXPECT_EQ(run.events.back()["t"].Int() - waits[0]["t"].Int(), 10000);
}

}  // namespace
}  // namespace quorvan
