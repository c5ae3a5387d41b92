#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "cycle/GameCycle.h"
#include "game/GameState.h"
#include "screens/Playfield.h"
#include "screens/StatusPanel.h"
#include "screens/Toolkit.h"
#include "sound/SoundDevice.h"
#include "tests/TestWorld.h"

namespace quorvan {
namespace {

// The opening demo hides itself 4.8 s after start-up.
constexpr int DemoEndMs = 4800;

// A timed input, counted from the end of the opening demo.
std::string AfterDemo(int ms, const char* input) {
  std::string line = "at ";
  line += std::to_string(DemoEndMs + ms);
  line += "ms ";
  line += input;
  line += '\n';
  return line;
}

std::vector<std::string> Texts(const test::SimRun& run) {
  std::vector<std::string> out;
  for (const auto& e : run.events) {
    const auto& ev = e["ev"].get<std::string>();
    if (ev == "window")
      out.push_back(e["name"].get<std::string>() + " " + e["action"].get<std::string>());
    if (ev == "mci") out.push_back(e["command"].get<std::string>());
  }
  return out;
}

TEST(Simulator, TheSameScenarioAlwaysGivesTheSameTrace) {
  const std::string scenario = "seed 5\nat 3 key down space\nat 9 key down left\nstop frames 60\n";
  const auto a = test::RunScenario(scenario);
  const auto b = test::RunScenario(scenario);
  ASSERT_EQ(a.events.size(), b.events.size());
  for (std::size_t i = 0; i < a.events.size(); ++i)
    EXPECT_EQ(a.events[i], b.events[i]) << "event " << i;
  const auto c = test::RunScenario("seed 6\nstop frames 60\n");
  EXPECT_NE(a.Frame(60)["EnemyX"], c.Frame(60)["EnemyX"]);
}

// Every draw 0: an item of kind 1 and a bomb appear in frame 1; the shot
// fired in frame 2 flies.
TEST(Simulator, EachSpriteNamesThePictureItShows) {
  struct Case {
    int edition;
    const char *character, *shot, *item;
  };
  for (const Case& c : {Case{1, "wing1_00.xpm", "shot1.xpm", "item1_01.xpm"},
                        Case{2, "wing2_00.xpm", "shot2.xpm", "item2_01.xpm"}}) {
    const auto run = test::RunScenario("edition " + std::to_string(c.edition) +
                                       "\nrnd 0 ...\nat 2 key down space\nstop frames 2\n");
    const auto& sprites = run.Frame(2)["sprites"];
    EXPECT_EQ(sprites["Image1"]["picture"].get<std::string>(), c.character);
    EXPECT_EQ(sprites["Image3"]["picture"].get<std::string>(), c.shot);
    EXPECT_EQ(sprites["Image4"]["picture"].get<std::string>(), c.item);
    EXPECT_EQ(sprites["Image5"]["picture"].get<std::string>(), "bomb.xpm");
    EXPECT_EQ(sprites["Image8"]["picture"].get<std::string>(), "mirror.xpm");
  }
}

TEST(Simulator, AGameStartsWithTheDemoThenTheSetupWindowThenThePlayfieldAndPanel) {
  const auto run = test::RunScenario("stop frames 1\n");
  const auto texts = Texts(run);
  const std::vector<std::string> demo(texts.begin(), texts.begin() + 4);
  EXPECT_EQ(demo, (std::vector<std::string>{"Demoform load", "Demoform show", "Demoform hide",
                                            "Demoform unload"}));
  const std::vector<std::string> start(texts.begin() + 4, texts.begin() + 15);
  EXPECT_EQ(start[0], "Form5 load");
  EXPECT_EQ(start[1], "Form5 show");
  EXPECT_EQ(start[2], "close Midi");
  EXPECT_NE(start[3].find("Quor6.mid\" type sequencer alias Midi"), std::string::npos);
  EXPECT_EQ(start[4], "play Midi");
  EXPECT_EQ(start[8], "Form5 unload");
  EXPECT_EQ(start[9], "close Midi");
  EXPECT_EQ(start[10], "Form1 show");
  EXPECT_EQ(run.Frame(1)["Edition"].get<int>(), 1);
}

TEST(Simulator, TheSecondEditionIsChosenOnTheSetupWindow) {
  const auto run = test::RunScenario("edition 2\nstop frames 1\n");
  EXPECT_EQ(run.Frame(1)["Edition"].get<int>(), 2);
}

TEST(Simulator, ClosingTheStatusPanelDuringAGameEndsTheProgram) {
  const auto run = test::RunScenario(AfterDemo(2000, "close Form3") + "stop games 3\n");
  EXPECT_EQ(run.code, 0);
  const auto& last = run.events.back();
  EXPECT_EQ(last["ev"].get<std::string>(), "exit");
  EXPECT_EQ(last["code"].get<int>(), 0);
  EXPECT_EQ(last["t"].get<int>(), DemoEndMs + 2000);
  EXPECT_EQ(run.events[run.events.size() - 2]["command"].get<std::string>(), "close Midi");
}

TEST(Simulator, ClosingThePanelInsideAPauseEndsTheProgramThere) {
  const auto run = test::RunScenario("rnd 0.99 ...\nat 1 key down 93\nentry 0\nok 5000\n" +
                                     AfterDemo(3000, "close Form3"));
  EXPECT_EQ(run.events.back()["t"].get<int>(), DemoEndMs + 3000);
  EXPECT_EQ(run.Frames().size(), 1u);
}

TEST(Simulator, ClosingThePlayfieldFromOutsideEndsTheProgram) {
  const auto run = test::RunScenario(AfterDemo(500, "close Form1") + "stop games 2\n");
  EXPECT_EQ(run.code, 0);
  EXPECT_EQ(run.events.back()["t"].get<int>(), DemoEndMs + 500);
}

// The simulator confirms the setup window the moment it shows, so the close
// is played here on a bare headless world, which never confirms it.
TEST(StartUp, ClosingTheSetupWindowEndsTheProgramBeforeAnyGame) {
  test::HeadlessWorld world;
  world.toolkit.At(DemoEndMs + 100, [&] { world.toolkit.CloseRequest("Form5"); });
  int code = -1;
  try {
    StartUp();
  } catch (const ProgramEnd& end) {
    code = end.code;
  }
  EXPECT_EQ(code, 0);
  EXPECT_EQ(world.toolkit.Now(), DemoEndMs + 100);
  EXPECT_EQ(world.toolkit.Find("Form1"), 0);
  EXPECT_EQ(world.midi.back(), "close Midi");
}

TEST(Simulator, StopFramesEndsAfterThatFrameAsASetupCloseWould) {
  const auto run = test::RunScenario("stop frames 7\n");
  EXPECT_EQ(run.Frames().size(), 7u);
  EXPECT_EQ(run.events.back()["ev"].get<std::string>(), "exit");
  EXPECT_EQ(run.events[run.events.size() - 2]["command"].get<std::string>(), "close Midi");
}

TEST(Simulator, PausesAppearInTheTrace) {
  const auto run = test::RunScenario("rnd 0.99 ...\n");  // one game lost by the drain
  const auto waits = run.Of("wait");
  ASSERT_EQ(waits.size(), 1u);  // no new high score with 0 points
  EXPECT_EQ(waits[0]["ms"].get<int>(), 10000);
  EXPECT_EQ(run.events.back()["t"].get<int>() - waits[0]["t"].get<int>(), 10000);
}

// A count entered far below 0 is carried from stage to stage: each of the
// seven clears at its first frame, the last at frame 7, with its final pause
// of 12 s and then the game-over pause.
const std::string AllCleared = "at 1 key down 93\nentry -32768\n";
constexpr int LastClearFrame = 7;

TEST(Simulator, AnInputForAWaitOfAFrameArrivesInsideThatWait) {
  struct Case {
    std::string scenario;
    int frame;         // the frame whose wait it is
    int msAfterFrame;  // when that wait starts
  };
  const Case cases[] = {
      {AllCleared + "at 7 wait 2 close Form3\n", LastClearFrame, 12000},  // the game-over pause
      {"at 1 key down 93\nentry 0\nok 5000\nat 1 wait 1 close Form3\n", 1, 0},  // "O K"
  };
  for (const auto& c : cases) {
    const auto run = test::RunScenario(c.scenario);
    EXPECT_EQ(run.Frames().size(), static_cast<std::size_t>(c.frame)) << c.scenario;
    EXPECT_EQ(run.events.back()["t"].get<int>(),
              run.Frame(c.frame)["t"].get<int>() + c.msAfterFrame);
  }
}

// The sweep of Wing 10 shows its curtain line by line before its first wait:
// an arrow pressed meanwhile comes after the frame has fired.
TEST(Simulator, AnInputForADrawingStepArrivesAfterTheFrameHasStarted) {
  const auto run = test::RunScenario(
      "at 1 key down 145\nentry 10\nat 2 key down space\nat 2 step 5 key down right\n"
      "stop frames 2\n");
  EXPECT_EQ(run.Frame(2)["InputCommand"].get<int>(), 1);
  EXPECT_EQ(run.Frame(2)["PlayerX"].get<int>(), 0);
  EXPECT_LT(run.Frame(2)["Energy"].get<double>(), 93);
}

TEST(Simulator, EachGameHasItsEditionAndEachMessageItsOkDelay) {
  const auto run =
      test::RunScenario(AllCleared + "edition 2\nedition 1\nok 300\nok 700\nstop frames 8\n");
  const auto starts = run.Of("stage_start");
  ASSERT_GE(starts.size(), 3u);
  EXPECT_EQ(starts[1]["t"].get<int>() - run.Frame(1)["t"].get<int>(), 300);
  EXPECT_EQ(starts[2]["t"].get<int>() - run.Frame(2)["t"].get<int>(), 700);
  EXPECT_EQ(run.Frame(1)["Edition"].get<int>(), 2);
  EXPECT_EQ(run.Frame(LastClearFrame + 1)["Edition"].get<int>(), 1);
}

TEST(Simulator, StopSetupClosesThatSetupWindow) {
  const auto run = test::RunScenario(AllCleared + "stop setup 2\n");
  EXPECT_EQ(run.Frames().size(), static_cast<std::size_t>(LastClearFrame));
  const auto windows = run.Of("window");
  EXPECT_EQ(
      windows.back()["name"].get<std::string>() + " " + windows.back()["action"].get<std::string>(),
      "Form5 show");
  EXPECT_EQ(run.events[run.events.size() - 2]["command"].get<std::string>(), "close Midi");
  EXPECT_EQ(run.code, 0);
}

// The same run with and without a pause between frames 5 and 6: once it is
// lifted the game goes on exactly where it stood, at the next tick.
TEST(Pause, EitherKeyHoldsTheFramesAndTheSameKeyResumesWhereTheyStopped) {
  const std::string plain = "seed 4\nat 2 key down right\nat 3 key down space\nstop frames 12\n";
  const auto unpaused = test::RunScenario(plain);
  for (const std::string key : {"80", "pause"}) {
    const auto run =
        test::RunScenario(plain + "at 6 key down " + key + "\nat 20050ms key down " + key + "\n");
    const auto pauses = run.Of("pause");
    ASSERT_EQ(pauses.size(), 2u) << key;
    EXPECT_TRUE(pauses[0]["paused"].get<bool>());
    EXPECT_FALSE(pauses[1]["paused"].get<bool>());
    EXPECT_LE(run.Frame(5)["t"].get<int>(), pauses[0]["t"].get<int>());
    EXPECT_EQ(run.Frame(6)["t"].get<int>(), 20160);
    for (int n = 1; n <= 12; ++n) {
      auto a = unpaused.Frame(n), b = run.Frame(n);
      a.erase("t");
      b.erase("t");
      EXPECT_TRUE(a == b) << key << " frame " << n;
    }
  }
  EXPECT_THROW(test::RunScenario("at 4 key down 80\nat 10 key down space\nstop frames 10\n"),
               std::runtime_error);  // paused for ever: the simulator's exit 3
}

TEST(Pause, OnlyARunningStagePausesAndThePanelSaysSo) {
  test::HeadlessWorld world;
  Playfield().Show();
  StatusPanel().Show();
  world.toolkit.ProcessPendingEvents();
  world.toolkit.KeyDown('P', 0);  // between stages: a message window, game over
  EXPECT_FALSE(G.Paused);
  G.StageRunning = true;
  for (const bool paused : {true, false}) {
    world.toolkit.KeyDown(paused ? 'P' : 19, 0);
    EXPECT_EQ(G.Paused, paused);
    EXPECT_EQ(StatusPanel().PauseLabel.Visible(), paused);
  }
}

// The sound player, as far as the pause goes: whether it is told to hold.
class HoldingSound final : public SoundDevice {
 public:
  void PlayPiece(const std::filesystem::path&) override {}
  void StopPiece() override {}
  void PlayEffect(const std::filesystem::path&) override {}
  void CutEffect() override {}
  void PauseAll(bool paused) override { holds.push_back(paused); }
  std::vector<bool> holds;
};

// The piece and the effect stand still with the frames, and go on from
// where they stood: the pause neither stops nor restarts them.
TEST(Pause, HoldsTheMusicAndTheEffectAndResumingLetsThemGoOn) {
  test::HeadlessWorld world;
  HoldingSound sound;
  InstallSoundDevice(&sound);
  Playfield().Show();
  StatusPanel().Show();
  world.toolkit.ProcessPendingEvents();
  G.StageRunning = true;
  world.toolkit.KeyDown('P', 0);
  const std::vector<bool> whilePaused = sound.holds;
  world.toolkit.KeyDown(keys::Pause, 0);
  InstallSoundDevice(nullptr);
  EXPECT_EQ(whilePaused, std::vector<bool>{true});
  EXPECT_EQ(sound.holds, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace quorvan
