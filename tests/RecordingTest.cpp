#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "game/GameState.h"
#include "platform/headless/Simulator.h"
#include "platform/replay/GameRecorder.h"
#include "platform/replay/GameReplay.h"
#include "record/Scenario.h"
#include "screens/Playfield.h"
#include "screens/Window.h"
#include "sound/FileLookup.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

// Plays the scenario in the simulator with a recorder between the game and
// the toolkit, as the real game records a game played; returns the recording.
std::string Record(const std::string& scenario) {
  std::istringstream in(scenario);
  const Scenario parsed = ParseScenario(in);
  SetAssetFolder(QUORVAN_SOURCE_ASSETS);
  std::FILE* trace = std::tmpfile();
  std::FILE* recording = std::tmpfile();
  {
    Simulator simulator(parsed, trace);
    GameRecorder recorder(simulator.Toolkit(), recording,
                          [&simulator] { return simulator.Toolkit().Now(); });
    simulator.SetGameToolkit(recorder);
    simulator.Run();
  }
  std::rewind(recording);
  std::string text;
  for (int c; (c = std::fgetc(recording)) != EOF;) text += static_cast<char>(c);
  std::fclose(recording);
  std::fclose(trace);
  return text;
}

// Two games: the demo silenced, moves, fire, the hidden entries, a steered
// shot, a stage clear and its "O K", inputs inside a sweep's pauses and steps, a
// game over, and a second game in the other edition, ended by closing the panel.
const char* const PlayedGame =
    "seed 11\nedition 2\nedition 1\nok 700\nok 1500\n"
    "at 300ms key down 16 1\n"
    "at 3 key down right\nat 6 key up right\nat 7 key down ctrl\n"
    "at 8 key down 145\nentry 4\nat 10 click 3\nat 11 mouse 2 1\n"
    "at 14 key down 93\nentry 0\n"
    "at 20 key down left\nat 21 key up left\nat 22 key down 145\nentry 10\n"
    "at 23 key down 93\nentry 9999\nat 24 key down space\nat 24 wait 3 key down right\n"
    "at 40 key down space\nat 40 step 9 key down left\nat 60 key down space\n"
    "at 80 key down space\n"
    "at 100 key down space\nat 120 key down space\nat 140 key down space\n"
    "at 160 key down space\nat 180 key down space\nat 200 key down space\n"
    "at 220 key down space\nat 240 key down space\nat 260 key down space\n"
    "at 280 key down space\nat 300 key down space\nat 320 key down space\n"
    "at 96000ms close Form3\nstop games 2\n";

void ExpectSameFrames(const test::SimRun& played, const test::SimRun& replayed, std::size_t count) {
  const auto a = played.Frames();
  const auto b = replayed.Frames();
  ASSERT_GE(a.size(), count);
  ASSERT_GE(b.size(), count);
  for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(a[i], b[i]) << "frame " << i + 1;
}

TEST(Recording, AGameRecordedReplaysFrameByFrameInTheSimulator) {
  const std::string recording = Record(PlayedGame);
  const auto played = test::RunScenario(PlayedGame);
  const auto replayed = test::RunScenario(recording);
  EXPECT_EQ(played.Of("stage_start").back()["sprites"],
            replayed.Of("stage_start").back()["sprites"]);
  ASSERT_EQ(played.Frames().size(), replayed.Frames().size());
  ExpectSameFrames(played, replayed, played.Frames().size());
  EXPECT_NE(recording.find("at 24 wait 3 key down 39 0\n"), std::string::npos) << recording;
  EXPECT_NE(recording.find("at 40 step 9 key down 37 0\n"), std::string::npos);
  EXPECT_NE(recording.find("edition 2\nstop games 1\n"), std::string::npos);
  EXPECT_NE(recording.find("ok 700\n"), std::string::npos);
}

// A kill leaves whole lines: what was written still plays as it was played.
TEST(Recording, ACutRecordingReplaysItsPrefix) {
  const std::string recording = Record(PlayedGame);
  const auto cut = recording.find("at 60 ");
  ASSERT_NE(cut, std::string::npos);
  const auto played = test::RunScenario(PlayedGame);
  // Played on, the rest of the first game would only drain the energy.
  const auto replayed = test::RunScenario(recording.substr(0, cut) + "stop frames 59\n");
  ExpectSameFrames(played, replayed, 59);
}

TEST(Recording, ClosingTheSetupWindowEndsTheRecordingThere) {
  // Every stage clears at once, and the second setup window is closed.
  const std::string recording = Record("at 1 key down 93\nentry -32768\nstop setup 2\n");
  EXPECT_NE(recording.find("stop setup 2\n"), std::string::npos) << recording;
}

// The replay hands each recorded input of a frame to the game's own
// handlers, as the player's hands did: a key, and a click on an enemy.
TEST(Replay, RecordedKeysAndClicksOnEnemiesReachTheGame) {
  const struct {
    const char* recorded;
    bool (*done)();
  } cases[] = {
      {"at 1 key down 39 0\n", [] { return G.InputCommand == Command::Right; }},
      {"at 1 click 3\n",
       [] { return G.ShotActive && G.TargetX == G.EnemyX[3] && G.TargetY == G.EnemyY[3]; }},
  };
  for (const auto& c : cases) {
    test::HeadlessWorld world;
    std::istringstream in(c.recorded);
    GameReplay replay(world.toolkit, ParseScenario(in), [&world] { return world.toolkit.Now(); });
    InstallToolkit(&replay);
    Playfield().Show();  // through the replay, which learns the game's windows so
    G.WingNo = Wing::Slant;
    G.EnemyX[3] = 17;
    G.EnemyY[3] = 6;
    G.StageRunning = true;
    replay.PumpEvents();
    EXPECT_TRUE(c.done()) << c.recorded;
    Window::ForgetAll();
    InstallToolkit(&world.toolkit);
  }
}

}  // namespace
}  // namespace quorvan
